#include "i18n/XmlTextDecoder.h"

#include <algorithm>
#include <cstring>

#include "i18n/EncodingNames.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

// The declared encoding is looked for in this much of the start of the file.
constexpr std::size_t kFirstBlock = 1024;

struct ByteOrderMark {
  std::u16string_view encoding;
  std::size_t length;
};

std::optional<ByteOrderMark> MarkOf(const std::vector<std::uint8_t>& b) {
  if (b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return ByteOrderMark{u"UTF-8", 3};
  if (b.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return ByteOrderMark{u"UTF-16LE", 2};
  if (b.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF) return ByteOrderMark{u"UTF-16BE", 2};
  return std::nullopt;
}

// Removes every zero unit, keeping the order of the rest; returns how many.
template <typename Units>
std::size_t RemoveNulls(Units& units, std::size_t from) {
  auto first = units.begin() + static_cast<std::ptrdiff_t>(from);
  if constexpr (sizeof(units[0]) == 1) {
    // Most files have no null at all; memchr finds that out fastest.
    const void* zero = std::memchr(units.data() + from, 0, units.size() - from);
    if (!zero) return 0;
    first += static_cast<const std::uint8_t*>(zero) - (units.data() + from);
  } else {
    first = std::find(first, units.end(), 0);
    if (first == units.end()) return 0;
  }
  const auto end = std::remove(first, units.end(), 0);
  const auto removed = static_cast<std::size_t>(units.end() - end);
  units.erase(end, units.end());
  return removed;
}

void DecodeUtf16(std::vector<std::uint8_t>& bytes, std::size_t from, bool bigEndian, DecodedText& out) {
  const std::size_t units = (bytes.size() - from) / 2;
  out.report += u"length " + DecimalText(units) + u" ";
  std::u16string& text = out.text;
  text.resize(units);
  const std::uint8_t* data = bytes.data() + from;
  for (std::size_t i = 0; i < units; ++i) {
    const auto lo = data[2 * i], hi = data[2 * i + 1];
    text[i] = static_cast<char16_t>(bigEndian ? (lo << 8) | hi : (hi << 8) | lo);
  }
  bytes.clear();
  bytes.shrink_to_fit();
  if (const std::size_t nulls = RemoveNulls(text, 0))
    out.report += u"(" + DecimalText(nulls) + u" nulls removed) ";
  if (bigEndian) out.report += u"endian swap ";
}

// The code page for 8-bit data. A UTF-16 name on 8-bit data cannot be right,
// so it is treated like a name the system cannot convert.
std::uint32_t CodePageFor(const std::u16string& encoding) {
  if (encoding.empty()) return kAnsiCodePage;
  const std::optional<std::uint32_t> codePage = EncodingCodePage(encoding);
  if (!codePage || *codePage == kUtf16CodePage || *codePage == kUtf16BigEndianCodePage) return kAnsiCodePage;
  return *codePage;
}

void Convert(std::span<const std::uint8_t> data, std::uint32_t codePage, const CodePage& converter,
             DecodedText& out) {
  std::size_t units = converter.ToUtf16(codePage, data, {});
  if (units == 0 && !data.empty() && codePage != kAnsiCodePage) {
    // A code page this system lacks: the ANSI code page keeps the text.
    codePage = kAnsiCodePage;
    units = converter.ToUtf16(codePage, data, {});
  }
  out.text.resize(units + units / 100);
  out.text.resize(converter.ToUtf16(codePage, data, out.text));
  out.report += u"to " + DecimalText(out.text.size()) + u" wide chars ";
}

void Decode8Bit(std::vector<std::uint8_t>& bytes, std::size_t from, std::u16string& encoding,
                DecodedText& out) {
  out.report += u"length " + DecimalText(bytes.size() - from) + u" ";
  if (const std::size_t nulls = RemoveNulls(bytes, from))
    out.report += u"(" + DecimalText(nulls) + u" nulls removed) ";
  if (encoding.empty()) {
    if (PassesUtf8Test(bytes)) encoding = u"UTF-8";
    out.report += u"(used UTF-8 detection) ";
  }
}

}  // namespace

bool PassesUtf8Test(const std::vector<std::uint8_t>& bytes) {
  const std::size_t size = bytes.size();
  std::size_t i = 0;
  while (i < size && bytes[i] != 0) {
    const std::uint8_t lead = bytes[i++];
    if (lead < 0x80) continue;
    const int following = !(lead & 0x20) ? 1 : !(lead & 0x10) ? 2 : !(lead & 0x08) ? 3 : -1;
    if (following < 0) return false;
    for (int k = 0; k < following; ++k, ++i) {
      if (i >= size || bytes[i] < 0x80) return false;
    }
  }
  return true;
}

DecodedText DecodeXmlBytes(std::vector<std::uint8_t>& bytes, const CodePage& codePage) {
  DecodedText out;
  std::u16string encoding;
  std::size_t from = 0;
  const std::optional<ByteOrderMark> mark = MarkOf(bytes);
  if (mark) {
    encoding = mark->encoding;
    from = mark->length;
  } else {
    const std::size_t block = std::min(bytes.size(), kFirstBlock);
    const std::string_view start(reinterpret_cast<const char*>(bytes.data()), block);
    if (auto declared = DeclaredEncoding(Utf8ToUtf16(start))) encoding = std::move(*declared);
    if (encoding.empty() && !bytes.empty() && bytes[0] == '<') encoding = u"UTF-8";
  }

  if (bytes.size() == from) {
    out.report = u"0 length ";
  } else if (mark && mark->encoding != u"UTF-8") {
    DecodeUtf16(bytes, from, mark->encoding == u"UTF-16BE", out);
  } else {
    Decode8Bit(bytes, from, encoding, out);
    const std::optional<std::uint32_t> named = encoding.empty() ? std::nullopt : EncodingCodePage(encoding);
    const std::span<const std::uint8_t> data(bytes.data() + from, bytes.size() - from);
    if (named && IsUtf32CodePage(*named)) {
      out.report += u"(UTF-32 cannot be read) ";
    } else {
      Convert(data, CodePageFor(encoding), codePage, out);
    }
    bytes.clear();
    bytes.shrink_to_fit();
  }
  const std::u16string front = (encoding.empty() ? u"ANSI" : encoding) + (mark ? u" BOM +" : u"") + u" ";
  out.report = front + out.report;
  return out;
}

}  // namespace zk40
