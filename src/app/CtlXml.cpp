// zk40ctl xml FILE [SECTION KEY]...: what the reader makes of a file, in lines
// that tools read:
//   load 1|0
//   result TEXT
//   element INDEX LEVEL NAME START LENGTH FLAGS   (flags: not-ended,error or -)
//   lookup SECTION KEY "VALUE"                     (a JSON string, non-ASCII as \uXXXX)
#include <cstdio>
#include <string>

#include "app/CtlCommands.h"
#include "i18n/SharedXmlDocument.h"
#include "platform/CodePage.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (char16_t c : text) {
    if (c == u'"' || c == u'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    }
  }
  return out + "\"";
}

const char* FlagsText(const ElementRecord& r) {
  const bool notEnded = r.level_flags & kNotEndedMarker;
  const bool error = r.level_flags & kContainsErrorMarker;
  return notEnded && error ? "not-ended,error" : notEnded ? "not-ended" : error ? "error" : "-";
}

}  // namespace

int RunXmlCommand(const std::vector<std::u16string>& args) {
  if (args.empty() || args.size() % 2 == 0) {
    std::fprintf(stderr, "zk40ctl xml: expected FILE [SECTION KEY]...\n");
    return 2;
  }
  auto fs = CreateSystemFileSystem();
  auto codePage = CreateSystemCodePage();
  SharedXmlDocument shared(*fs, *codePage);
  const SharedXmlDocument::Session doc = shared.Open();
  const bool loaded = doc->Load(args[0]);
  std::printf("load %d\n", loaded ? 1 : 0);
  std::printf("result %s\n", Utf16ToUtf8(doc->ResultText()).c_str());
  const ElementTable& elements = doc->Elements();
  for (std::int32_t i = 1; i < elements.size(); ++i) {
    const ElementRecord& r = elements[i];
    std::printf("element %d %d %s %d %d %s\n", i, Level(r), Utf16ToUtf8(doc->ElementName(i)).c_str(), r.start,
                r.length, FlagsText(r));
  }
  for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
    std::printf("lookup %s %s %s\n", Utf16ToUtf8(args[i]).c_str(), Utf16ToUtf8(args[i + 1]).c_str(),
                JsonString(doc->Lookup(args[i], args[i + 1])).c_str());
  }
  return doc->ReadStatus() == FileStatus::ok ? 0 : 2;
}

}  // namespace zk40
