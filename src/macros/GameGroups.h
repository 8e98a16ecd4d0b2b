#pragma once
// The 21 game groups of the macro page: the titles of the game menu, the
// caption the game button shows after a choice, and the entries handed to the
// game menu library. Trailing blanks are part of the titles.

#include <array>
#include <cstdint>
#include <string_view>

#include "macros/GameMenuEntry.h"

namespace zk40 {

inline constexpr int kGameGroupCount = 21;
// The player's own list; the page shows it at start.
inline constexpr int kOwnGameGroup = 21;

[[nodiscard]] constexpr bool IsGameGroup(int group) { return group >= 1 && group <= kGameGroupCount; }

// Both take a group 1..21; any other number gives an empty text.
std::u16string_view GameMenuTitle(int group, bool chinese);
std::u16string_view GameCaptionTitle(int group, bool chinese);

// The menu's 21 entries in id order: flag 255, id = the group, title cut to
// 39 characters.
std::array<GameMenuEntry, kGameGroupCount> BuildGameMenuEntries(bool chinese);

// What else the macro page hands the game menu library: the pictures (files
// of the install folder's skins\Menu), in the order the library takes them,
// and the text, highlighted-text and highlight colours (0x00BBGGRR).
inline constexpr std::array<std::u16string_view, kGameMenuImageCount> kGameMenuImageFiles = {
    u"MenuNorL.BMP",       u"MenuOverL.BMP",       u"MenuDownL.BMP",       u"MenuNorL.BMP",
    u"MenuNorHaveSub.BMP", u"MenuOverHaveSub.BMP", u"MenuDownHaveSub.BMP", u"MenuNorHaveSub.BMP",
};
inline constexpr std::array<std::uint32_t, 3> kGameMenuColours = {0x676153, 0xFFFFFF, 0xB98C15};

}  // namespace zk40
