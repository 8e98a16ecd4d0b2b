#pragma once
// One entry of the game menu as the game menu library receives it. The
// library posts msg::kGameChosen with the chosen entry's id to its owner.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/WindowMessages.h"

namespace zk40 {

inline constexpr std::size_t kGameMenuTitleUnits = 40;
inline constexpr std::uint32_t kGameMenuEntryFlag = 255;  // an ordinary, enabled entry
inline constexpr int kGameMenuItemHeight = 24;
inline constexpr int kGameMenuImageCount = 8;

struct GameMenuEntry {
  std::uint32_t flag;  // low 8 bits of the value given
  std::uint32_t id;    // low 8 bits: the game group 1..21
  char16_t title[kGameMenuTitleUnits];
};

static_assert(std::is_trivially_copyable_v<GameMenuEntry>);
static_assert(sizeof(GameMenuEntry) == 88);
static_assert(offsetof(GameMenuEntry, id) == 4);
static_assert(offsetof(GameMenuEntry, title) == 8);

}  // namespace zk40
