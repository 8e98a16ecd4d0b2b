// Code-page conversion through iconv. Windows code-page numbers are mapped to
// iconv's names; Windows-1252 stands for the ANSI code page, as on a Western
// Windows installation.
#include <cerrno>
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "platform/CodePage.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kPosixAnsiCodePage = 1252;
constexpr char16_t kReplacement = 0xFFFD;
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

struct NamedCodePage {
  std::uint32_t number;
  const char* name;
};

// Code pages whose iconv name is not "CP<number>".
constexpr NamedCodePage kIconvNames[] = {
    {65001, "UTF-8"},        {65000, "UTF-7"},          {20127, "ASCII"},        {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},   {28593, "ISO-8859-3"},     {28594, "ISO-8859-4"},   {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},   {28597, "ISO-8859-7"},     {28598, "ISO-8859-8"},   {38598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},    {28605, "ISO-8859-15"},  {20866, "KOI8-R"},
    {21866, "KOI8-U"},       {51932, "EUC-JP"},         {51936, "EUC-CN"},       {51949, "EUC-KR"},
    {54936, "GB18030"},      {50220, "ISO-2022-JP"},    {50221, "ISO-2022-JP"},  {50222, "ISO-2022-JP"},
    {50225, "ISO-2022-KR"},  {10000, "MACINTOSH"},      {10007, "MAC-CYRILLIC"}, {10017, "MACUKRAINIAN"},
    {10029, "MAC-CENTRALEUROPE"}, {10079, "MAC-IS"},    {708, "ASMO-708"},       {1361, "JOHAB"},
};

// The names to try for a code page, best first.
std::vector<std::string> IconvNames(std::uint32_t codePage) {
  for (const NamedCodePage& n : kIconvNames) {
    if (n.number == codePage) return {n.name};
  }
  const std::string number = std::to_string(codePage);
  // Windows numbers the IBM EBCDIC pages it added later 20000 above IBM's.
  if (codePage > 20000 && codePage < 21000) return {"IBM" + std::to_string(codePage - 20000)};
  return {"CP" + number, "IBM" + number};
}

class Descriptor {
 public:
  explicit Descriptor(std::uint32_t codePage) {
    for (const std::string& name : IconvNames(codePage)) {
      cd_ = iconv_open(kUtf16, name.c_str());
      if (valid()) return;
    }
  }
  ~Descriptor() { if (valid()) iconv_close(cd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_ = reinterpret_cast<iconv_t>(-1);
};

// Where converted units go: into the caller's buffer, or, when only counting,
// into a scratch buffer that is reused.
class Sink {
 public:
  explicit Sink(std::span<char16_t> out) : out_(out), counting_(out.empty()) {
    if (counting_) scratch_.resize(32768);
  }
  char* next() { return reinterpret_cast<char*>(counting_ ? scratch_.data() : out_.data() + written_); }
  std::size_t room() const { return (counting_ ? scratch_.size() : out_.size() - written_) * sizeof(char16_t); }
  void Advance(std::size_t bytes) { written_ += bytes / sizeof(char16_t); }
  bool Put(char16_t unit) {
    if (!counting_) {
      if (written_ == out_.size()) return false;
      out_[written_] = unit;
    }
    ++written_;
    return true;
  }
  bool counting() const { return counting_; }
  std::size_t written() const { return written_; }

 private:
  std::span<char16_t> out_;
  bool counting_;
  std::vector<char16_t> scratch_;
  std::size_t written_ = 0;
};

class PosixCodePage final : public CodePage {
 public:
  std::size_t ToUtf16(std::uint32_t codePage, std::span<const std::uint8_t> bytes,
                      std::span<char16_t> out) const override {
    if (bytes.empty()) return 0;
    Descriptor cd(codePage == kAnsiCodePage ? kPosixAnsiCodePage : codePage);
    if (!cd.valid()) return 0;
    Sink sink(out);
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
      char* target = sink.next();
      std::size_t room = sink.room();
      const std::size_t before = room;
      const std::size_t result = iconv(cd.get(), &in, &inLeft, &target, &room);
      sink.Advance(before - room);
      if (result != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) {
        if (!sink.counting()) return 0;
        continue;
      }
      // An invalid sequence costs one byte; a sequence cut by the end of the
      // data costs the rest.
      if (!sink.Put(kReplacement)) return 0;
      if (errno == EILSEQ) {
        ++in;
        --inLeft;
      } else {
        inLeft = 0;
      }
      iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    // A last call without input ends a shifting encoding (ISO-2022) cleanly.
    for (;;) {
      char* target = sink.next();
      std::size_t room = sink.room();
      const std::size_t before = room;
      const std::size_t result = iconv(cd.get(), nullptr, nullptr, &target, &room);
      sink.Advance(before - room);
      if (result != static_cast<std::size_t>(-1) || errno != E2BIG) break;
      if (!sink.counting()) return 0;
    }
    return sink.written();
  }
};

}  // namespace

std::unique_ptr<CodePage> CreateSystemCodePage() { return std::make_unique<PosixCodePage>(); }

}  // namespace zk40
