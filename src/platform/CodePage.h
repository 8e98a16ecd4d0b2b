#pragma once
// Conversion of multibyte text in a Windows code page into the core's UTF-16.
// The core names code pages by their Windows numbers on every OS.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace zk40 {

// The number that stands for the system's ANSI code page.
inline constexpr std::uint32_t kAnsiCodePage = 0;

class CodePage {
 public:
  virtual ~CodePage() = default;

  // Converts bytes of codePage into out and returns the units written. With
  // an empty out it only counts the units the conversion needs. Returns 0 for
  // empty input, for a code page the system cannot convert, and when out is
  // too small. Bytes that are invalid in the code page never stop the
  // conversion; they become replacement characters.
  virtual std::size_t ToUtf16(std::uint32_t codePage, std::span<const std::uint8_t> bytes,
                              std::span<char16_t> out) const = 0;
};

// Windows: MultiByteToWideChar. POSIX: iconv, with Windows-1252 standing for
// the ANSI code page.
std::unique_ptr<CodePage> CreateSystemCodePage();

}  // namespace zk40
