#pragma once
// The macro page (page 3 of the main window), 925 x 452, drawn from
// Macro_normal.bmp / _down / _over. Page client coordinates; where a control
// has two places, `other` is for every language but Simplified Chinese.

#include <array>
#include <cstdint>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::macro_page {

inline constexpr Rect kGameButton{25, 48, 327, 71};
inline constexpr std::array<std::uint32_t, 3> kGameButtonTextColors{0x676153, 0xFFFFFF, 0xFFFFFF};

inline constexpr int kMacroListId = 256;
inline constexpr Rect kMacroList{27, 89, 325, 406};
inline constexpr Rect kMacroListHintArea{26, 87, 324, 406};
inline constexpr Rect kNewMacroButton{26, 412, 67, 441};
inline constexpr Rect kDeleteMacroButton{77, 412, 139, 441};

inline constexpr int kStepListId = 257;
inline constexpr Rect kStepList{345, 51, 626, 406};
inline constexpr Rect kStepListHintArea{342, 49, 625, 407};
inline constexpr ByLanguage<Rect> kInsertButton{{343, 412, 373, 440}, {361, 412, 391, 441}};
inline constexpr ByLanguage<Rect> kDeleteStepButton{{376, 412, 406, 440}, {394, 412, 424, 441}};
inline constexpr ByLanguage<Rect> kModifyButton{{409, 412, 439, 440}, {427, 412, 457, 441}};

inline constexpr Rect kRecordButton{783, 22, 899, 53};
inline constexpr std::array<std::uint32_t, 3> kRecordButtonTextColors{0xD3BB3D, 0xFFFFFF, 0xFFFFFF};
inline constexpr Rect kDelayToggle{646, 58, 834, 76};
inline constexpr int kLoopCountEditId = 1001;
inline constexpr Rect kLoopCountEdit{852, 87, 892, 102};

// Buttons that insert a mouse click: left, middle, right.
inline constexpr std::array<ByLanguage<Rect>, 3> kMouseButtons{{
    {{715, 185, 740, 207}, {718, 213, 745, 257}},
    {{756, 166, 780, 189}, {754, 205, 782, 256}},
    {{802, 186, 825, 209}, {791, 213, 823, 257}},
}};

inline constexpr ByLanguage<Rect> kKeyChoice{{644, 316, 779, 335}, {644, 340, 757, 357}};
inline constexpr int kKeyEditId = 1002;
inline constexpr ByLanguage<Rect> kKeyEdit{{664, 340, 823, 358}, {666, 365, 821, 379}};
inline constexpr ByLanguage<Rect> kKeyOkButton{{852, 340, 892, 358}, {852, 362, 892, 383}};
inline constexpr ByLanguage<Rect> kDelayChoice{{644, 364, 790, 382}, {644, 389, 768, 405}};
inline constexpr int kDelayEditId = 1003;
inline constexpr ByLanguage<Rect> kDelayEdit{{664, 389, 823, 407}, {666, 415, 821, 428}};
inline constexpr ByLanguage<Rect> kDelayOkButton{{852, 389, 892, 407}, {852, 412, 892, 434}};

// Titles drawn in the background over the two lists.
inline constexpr Rect kMacroListLabel{24, 19, 120, 40};
inline constexpr Rect kStepListLabel{340, 19, 427, 39};

// Both lists: row height, colours as colour values 0x00BBGGRR.
inline constexpr int kListItemHeight = 18;
inline constexpr std::uint32_t kListBackground = 0x000000;
inline constexpr std::uint32_t kListText = 0x676153;
inline constexpr std::uint32_t kListSelectedText = 0xB98C15;
inline constexpr std::uint32_t kListSelectionBackground = 0x141414;
// The three edits.
inline constexpr std::uint32_t kEditText = 0xB98C15;
inline constexpr std::uint32_t kEditBackground = 0x0F0F0F;

// The game menu below the game button: row height and colours.
inline constexpr int kGameMenuItemHeight = 24;
inline constexpr std::array<std::uint32_t, 3> kGameMenuColors{0x676153, 0xFFFFFF, 0xB98C15};

// Hint numbers.
inline constexpr int kMacroListHint = 87;
inline constexpr int kNewMacroHint = 40;
inline constexpr int kDeleteMacroHint = 41;
inline constexpr int kStepListHint = 88;
inline constexpr int kInsertHint = 42;
inline constexpr int kDeleteStepHint = 43;
inline constexpr int kModifyHint = 44;
inline constexpr int kRecordHint = 45;
inline constexpr int kRecordingHint = 46;
inline constexpr int kDelayToggleHint = 47;
inline constexpr int kLoopCountHint = 48;
inline constexpr std::array<int, 3> kMouseButtonHints{49, 50, 51};
inline constexpr int kKeyHint = 52;
inline constexpr int kDelayHint = 53;
inline constexpr int kMacroListLabelHint = 86;
inline constexpr int kStepListLabelHint = 88;

}  // namespace zk40::layout::macro_page
