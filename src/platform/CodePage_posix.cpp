// Code-page conversion through iconv. Windows code-page numbers are mapped to
// iconv's names; Windows-1252 stands for the ANSI code page, as on a Western
// Windows installation.
#include <cerrno>
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <bit>
#include <string>
#include <vector>

#include "platform/CodePage.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kPosixAnsiCodePage = 1252;
constexpr std::uint32_t kUtf8CodePage = 65001;
constexpr char16_t kReplacement = 0xFFFD;
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

struct NamedCodePage {
  std::uint32_t number;
  const char* name;
};

// Code pages whose iconv name is not "CP<number>".
constexpr NamedCodePage kIconvNames[] = {
    {65000, "UTF-7"},       {20127, "ASCII"},        {28591, "ISO-8859-1"},   {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},  {28594, "ISO-8859-4"},   {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},  {28598, "ISO-8859-8"},   {38598, "ISO-8859-8"},   {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"},  {20866, "KOI8-R"},       {21866, "KOI8-U"},
    {51932, "EUC-JP"},      {51936, "EUC-CN"},       {51949, "EUC-KR"},       {54936, "GB18030"},
    {50220, "ISO-2022-JP"}, {50221, "ISO-2022-JP"},  {50222, "ISO-2022-JP"},  {50225, "ISO-2022-KR"},
    {10000, "MACINTOSH"},   {10007, "MAC-CYRILLIC"}, {10017, "MACUKRAINIAN"}, {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},      {708, "ASMO-708"},       {1361, "JOHAB"},
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
  ~Descriptor() {
    if (valid()) iconv_close(cd_);
  }
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
  Sink(std::span<char16_t> out, bool needsScratch) : out_(out), counting_(out.empty()) {
    if (counting_ && needsScratch) scratch_.resize(32768);
  }
  char* next() { return reinterpret_cast<char*>(counting_ ? scratch_.data() : out_.data() + written_); }
  std::size_t room() const {
    return (counting_ ? scratch_.size() : out_.size() - written_) * sizeof(char16_t);
  }
  void Advance(std::size_t bytes) { written_ += bytes / sizeof(char16_t); }
  bool Put(char16_t unit) {
    if (!counting_) {
      if (written_ == out_.size()) return false;
      out_[written_] = unit;
    }
    ++written_;
    return true;
  }
  bool PutAscii(const std::uint8_t* bytes, std::size_t count) {
    if (!counting_) {
      if (out_.size() - written_ < count) return false;
      std::copy_n(bytes, count, out_.data() + written_);
    }
    written_ += count;
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

// UTF-8 is decoded here rather than by iconv, whose UTF-8 path goes through
// glibc's internal form and costs several times as much. An invalid sequence
// becomes one replacement character, as in MultiByteToWideChar.
std::size_t DecodeUtf8(std::span<const std::uint8_t> bytes, Sink& sink) {
  const std::uint8_t* p = bytes.data();
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    // Runs of ASCII, eight bytes at a time.
    std::uint64_t word;
    while (i + 8 <= n && (std::memcpy(&word, p + i, 8), (word & 0x8080808080808080ull) == 0)) {
      if (!sink.PutAscii(p + i, 8)) return 0;
      i += 8;
    }
    if (i >= n) break;
    const std::uint8_t lead = p[i];
    if (lead < 0x80) {
      if (!sink.Put(lead)) return 0;
      ++i;
      continue;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    char32_t cp = length ? lead & (0x7F >> length) : 0;
    std::size_t k = 1;
    for (; k < length && i + k < n && (p[i + k] & 0xC0) == 0x80; ++k) cp = (cp << 6) | (p[i + k] & 0x3F);
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (length == 0 || k < length || cp < kMinimum[length] || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      if (!sink.Put(kReplacement)) return 0;
      i += std::max<std::size_t>(k, 1);
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      if (!sink.Put(static_cast<char16_t>(0xD800 + (cp >> 10))) ||
          !sink.Put(static_cast<char16_t>(0xDC00 + (cp & 0x3FF))))
        return 0;
    } else if (!sink.Put(static_cast<char16_t>(cp))) {
      return 0;
    }
    i += length;
  }
  return sink.written();
}

class PosixCodePage final : public CodePage {
 public:
  std::size_t ToUtf16(std::uint32_t codePage, std::span<const std::uint8_t> bytes,
                      std::span<char16_t> out) const override {
    if (bytes.empty()) return 0;
    if (codePage == kUtf8CodePage) {
      Sink sink(out, false);
      return DecodeUtf8(bytes, sink);
    }
    Descriptor cd(codePage == kAnsiCodePage ? kPosixAnsiCodePage : codePage);
    if (!cd.valid()) return 0;
    Sink sink(out, true);
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
