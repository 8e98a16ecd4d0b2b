#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zk40 {

// Report bytes as tools read them: lower-case hex, two digits a byte, no spaces.
inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static const char* const kDigits = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

}  // namespace zk40
