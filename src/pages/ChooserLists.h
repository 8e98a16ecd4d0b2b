#pragma once
// The contents of the function chooser's lists: the 24 basic functions with
// their language keys, the 21 game titles of the macro page (the shipped
// preset groups; not the macro page's own game menu), and its macro list.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "macros/MacroStore.h"
#include "settings/MacroRecord.h"

namespace zk40 {

struct BasicFunction {
  std::string_view key;  // language key of the row's text
  std::int32_t type;     // function type, the row's item data
};

inline constexpr std::size_t kBasicFunctionCount = 24;

// In list order; adding selects each row, so the last one (FIRE) ends selected.
extern const std::array<BasicFunction, kBasicFunctionCount> kBasicFunctions;

inline constexpr std::size_t kChooserGameCount = 21;
// The game list's title at a position 0..20 (item data = position); empty
// for any other position.
std::u16string_view ChooserGameTitle(std::size_t position, bool chinese);

// The macro list for a game-list position: the group's occupied macros in
// table order (text = name, item data = macro id).
std::vector<MacroListEntry> ChooserMacroRows(const MacroTable& table, int position);

}  // namespace zk40
