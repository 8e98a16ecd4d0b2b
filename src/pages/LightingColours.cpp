#include "pages/LightingColours.h"

namespace zk40 {

std::uint32_t ColourRefOf(const std::uint8_t (&bytes)[4]) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

void StoreColourRef(std::uint8_t (&bytes)[4], std::uint32_t colourRef) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(colourRef >> (8 * i));
}

void ReplaceChannel(std::uint8_t (&bytes)[4], ColourChannel channel, std::uint8_t value) {
  bytes[static_cast<int>(channel)] = value;
}

}  // namespace zk40
