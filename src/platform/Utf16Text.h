#pragma once
// UTF-16 helpers for the fixed text fields of the stored records and for the
// few boundaries where UTF-8 is needed (POSIX paths, console output).

#include <cstddef>
#include <string>
#include <string_view>

namespace zk40 {

// Units in the fixed text fields of the records, terminator included.
inline constexpr std::size_t kTextFieldUnits = 260;

// Stores text into a fixed field of N units: at most N - 1 units, never a lone
// high surrogate at the cut, the rest zero-filled.
void StoreFixedText(char16_t* field, std::size_t units, std::u16string_view text);

template <std::size_t N>
void StoreFixedText(char16_t (&field)[N], std::u16string_view text) {
  StoreFixedText(field, N, text);
}

// Reads a fixed field up to its first zero unit, or all N units when a field
// from disk has no terminator.
std::u16string ReadFixedText(const char16_t* field, std::size_t units);

template <std::size_t N>
std::u16string ReadFixedText(const char16_t (&field)[N]) {
  return ReadFixedText(field, N);
}

// Appends one code point, as a surrogate pair above U+FFFF.
void AppendUtf16(std::u16string& out, char32_t cp);

// Conversions; invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// A number in decimal, as "%d" writes it.
std::u16string DecimalText(long long n);

// Fills the first "%s" of format with argument; "%%" stands for one "%".
// Any other "%" is kept as it is, so a format from a language file can never
// read beyond its one argument.
std::u16string FormatText(std::u16string_view format, std::u16string_view argument);

}  // namespace zk40
