#pragma once
// Turns the bytes of a file into the reader's one UTF-16 text: byte-order
// marks, a declared encoding (xml declaration or html meta element), a UTF-8
// test for undeclared 8-bit data, removal of null units, byte swapping of
// UTF-16BE and conversion through the code page the encoding names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace zk40 {

struct DecodedText {
  std::u16string text;
  std::u16string report;  // what the decoding found, for the result text
};

// Consumes bytes (nulls are removed in place). Throws only std::bad_alloc.
DecodedText DecodeXmlBytes(std::vector<std::uint8_t>& bytes, const CodePage& codePage);

// The encoding that the start of a document declares, names and values
// compared without regard to ASCII case.
std::optional<std::u16string> DeclaredEncoding(std::u16string_view start);

// Whether 8-bit data reads as UTF-8 (up to its first zero byte).
bool PassesUtf8Test(const std::vector<std::uint8_t>& bytes);

}  // namespace zk40
