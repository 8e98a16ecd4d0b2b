#pragma once
// The colours of the lighting page: the 26 preset swatches and the byte
// placement of a colour in the profile record (red, green, blue, 0 — the
// layout of a COLORREF 0x00BBGGRR).

#include <array>
#include <cstdint>

namespace zk40 {

inline constexpr int kPresetColourCount = 26;
// Swatches per row on the page.
inline constexpr int kPresetColumns = 7;

// COLORREF values (0x00BBGGRR), in the order the swatches are created.
inline constexpr std::array<std::uint32_t, kPresetColourCount> kPresetColours = {
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401};

// Which byte of a colour a channel is.
enum class ColourChannel { red = 0, green = 1, blue = 2 };

inline constexpr std::uint8_t ChannelOf(std::uint32_t colourRef, ColourChannel channel) {
  return static_cast<std::uint8_t>(colourRef >> (8 * static_cast<int>(channel)));
}

// The colour as the record stores it, and back.
std::uint32_t ColourRefOf(const std::uint8_t (&bytes)[4]);
void StoreColourRef(std::uint8_t (&bytes)[4], std::uint32_t colourRef);

// Replaces one channel's byte; the other bytes stay as they were.
void ReplaceChannel(std::uint8_t (&bytes)[4], ColourChannel channel, std::uint8_t value);

}  // namespace zk40
