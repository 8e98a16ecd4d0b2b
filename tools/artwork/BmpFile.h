#pragma once
// Windows bitmap files: 24 bits a pixel, rows bottom-up, each padded to four
// bytes, no compression.

#include <cstdint>
#include <string>
#include <vector>

namespace zk40::art {

// rgb holds width x height pixels, three bytes each (red, green, blue), top
// row first. Returns the whole file.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb);

// What a reader needs back: size and top-down red, green, blue pixels.
struct BmpImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};
// Reads what EncodeBmp24 writes (24-bit, uncompressed, either row order);
// false for anything else.
[[nodiscard]] bool DecodeBmp24(const std::vector<std::uint8_t>& file, BmpImage& out);

[[nodiscard]] bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace zk40::art
