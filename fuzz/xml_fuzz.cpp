// Fuzz target of the XML reader: arbitrary bytes are loaded as a file, the
// element index is checked for consistency, and lookups run over the names
// the document itself holds.
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "i18n/LanguageLoader.h"
#include "i18n/XmlDocument.h"
#include "platform/CodePage.h"

namespace {

using namespace zk40;
using fuzz::Check;

const std::u16string kInput = u"C:\\input.xml";

// Every record lies inside the text, parents come first, and every record
// is in exactly one sibling list whose links agree both ways.
void CheckIndex(const XmlDocument& doc) {
  const ElementTable& t = doc.Elements();
  const auto textSize = static_cast<std::int64_t>(doc.Text().size());
  std::int64_t listed = 0;
  for (std::int32_t i = 0; i < t.size(); ++i) {
    const ElementRecord& r = t[i];
    if (i > 0) {
      Check(r.start >= 0 && r.length > 0 && std::int64_t{r.start} + r.length <= textSize);
      Check(StartTagLength(r) + EndTagLength(r) <= static_cast<std::uint32_t>(r.length));
      Check(r.parent >= 0 && r.parent < i);
      Check(Level(r) == (r.parent ? std::min(Level(t[r.parent]) + 1, kMaxLevel) : 0));
    }
    std::int32_t last = 0;
    for (std::int32_t c = r.first_child; c; c = t[c].next) {
      Check(c > 0 && c < t.size() && t[c].parent == i);
      Check(((t[c].level_flags & kFirstChildMarker) != 0) == (c == r.first_child));
      if (c != r.first_child) Check(t[c].previous == last);
      last = c;
      ++listed;
    }
    if (r.first_child) Check(t[r.first_child].previous == last);
  }
  Check(listed == t.size() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto codePage = CreateSystemCodePage();
  static test::FakeFileSystem fs;
  static SharedXmlDocument shared(fs, *codePage);
  // The input is the only file there is.
  fs.files.clear();
  fs.calls.clear();
  fs.AddFile(kInput, fuzz::Input(data, size));
  {
    const SharedXmlDocument::Session doc = shared.Open();
    doc->SetFlags(size && (data[0] & 1) ? XmlDocument::kIgnoreCase : 0);
    const bool loaded = doc->Load(kInput);
    Check(!loaded || doc->Elements()[0].first_child != 0);
    CheckIndex(*doc);
    const ElementTable& t = doc->Elements();
    for (std::int32_t i = 1; i < t.size() && i < 512; ++i) {
      const std::u16string name(doc->ElementName(i));
      const std::u16string parent(doc->ElementName(t[i].parent));
      doc->Lookup(parent, name);
      doc->Lookup(name, name);
    }
    doc->Lookup(u"firmware", u"current");
    doc->SetFlags(0);
  }
  StringTable table;
  LoadLanguageFile(shared, kInput, table);
  return 0;
}
