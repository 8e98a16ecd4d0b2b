#include "platform/Utf16Text.h"

#include <algorithm>

namespace zk40 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

void StoreFixedText(char16_t* field, std::size_t units, std::u16string_view text) {
  if (units == 0) return;
  std::size_t n = std::min(text.size(), units - 1);
  if (n > 0 && n < text.size() && IsHighSurrogate(text[n - 1])) --n;
  std::copy_n(text.data(), n, field);
  std::fill(field + n, field + units, u'\0');
}

std::u16string ReadFixedText(const char16_t* field, std::size_t units) {
  const char16_t* end = std::find(field, field + units, u'\0');
  return std::u16string(field, end);
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > text.size()) {
      AppendUtf16(out, kReplacement);
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? b : b & (0x7F >> len);
    bool valid = true;
    for (std::size_t k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) { valid = false; break; }
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      AppendUtf16(out, kReplacement);
      ++i;
      continue;
    }
    AppendUtf16(out, cp);
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::u16string FormatText(std::u16string_view format, std::u16string_view argument) {
  std::u16string out;
  out.reserve(format.size() + argument.size());
  bool filled = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size()) {
      if (format[i + 1] == u'%') {
        out.push_back(u'%');
        ++i;
        continue;
      }
      if (format[i + 1] == u's' && !filled) {
        out.append(argument);
        filled = true;
        ++i;
        continue;
      }
    }
    out.push_back(format[i]);
  }
  return out;
}

std::u16string DecimalText(long long n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace zk40
