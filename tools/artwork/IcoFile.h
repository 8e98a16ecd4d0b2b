#pragma once
// Icon files (.ico): one 32-bit image with alpha per size, each stored as a
// bottom-up device-independent bitmap with its one-bit mask.

#include <cstdint>
#include <vector>

namespace zk40::art {

struct IconImage {
  int size = 0;                    // width and height
  std::vector<std::uint8_t> bgra;  // size x size pixels, top row first
};

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

}  // namespace zk40::art
