#pragma once
// The function chooser: its frame (Setting_*.bmp, 413 x 300) and its four
// pages (370 x 169 each, placed at kPageArea). Client coordinates of the
// frame, and of each page for the page tables.

#include <array>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::chooser {

inline constexpr Rect kCloseButton{383, 1, 411, 24};
// Tabs: key combination, macro, basic, advanced.
inline constexpr std::array<Rect, 4> kTabs{{
    {0, 37, 110, 64},
    {111, 37, 207, 64},
    {208, 37, 303, 64},
    {304, 37, 412, 64},
}};
inline constexpr Rect kDisableSwitch{23, 258, 42, 277};
inline constexpr Rect kDefaultButton{238, 254, 315, 289};
inline constexpr Rect kOkButton{316, 254, 393, 289};
inline constexpr Rect kPageArea{21, 74, 391, 243};

// Painted texts: the title, the current function, the disable label.
inline constexpr Rect kTitle{75, 1, 317, 20};
inline constexpr Rgb kTitleText{88, 95, 105};
inline constexpr Rect kCurrentFunction{5, 16, 180, 38};
inline constexpr Rect kDisableLabel{46, 258, 106, 278};
inline constexpr Rgb kLabelText{189, 189, 200};
// Tab captions: normal, and white when hovered or pressed.
inline constexpr Rgb kTabText{83, 97, 103};

}  // namespace zk40::layout::chooser

namespace zk40::layout::chooser_combo {

// Toggle boxes Ctrl, Alt, Shift, Win, top to bottom.
inline constexpr std::array<Rect, 4> kModifierBoxes{{
    {59, 45, 72, 58},
    {59, 70, 72, 83},
    {59, 94, 72, 108},
    {58, 119, 72, 133},
}};
inline constexpr Rect kKeyName{170, 77, 326, 100};
inline constexpr Rgb kKeyNameText{23, 148, 195};

}  // namespace zk40::layout::chooser_combo

namespace zk40::layout::chooser_macro {

inline constexpr int kGameListId = 10001;
inline constexpr Rect kGameList{1, 1, 184, 168};
inline constexpr int kMacroListId = 10002;
inline constexpr Rect kMacroList{188, 1, 369, 168};

}  // namespace zk40::layout::chooser_macro

namespace zk40::layout::chooser_basic {

inline constexpr int kListId = 101;
inline constexpr Rect kList{0, 0, 372, 171};

}  // namespace zk40::layout::chooser_basic

namespace zk40::layout::chooser_advanced {

// Rows: sound, program, file, folder.
struct Row {
  Rect option_switch;
  Rect label;
  Rect path;
  Rect browse;
};
inline constexpr std::array<Row, 4> kRows{{
    {{21, 37, 38, 54}, {41, 36, 127, 56}, {124, 36, 263, 52}, {273, 33, 349, 55}},
    {{21, 63, 38, 80}, {41, 63, 127, 83}, {124, 63, 262, 79}, {273, 59, 349, 81}},
    {{21, 88, 38, 105}, {41, 89, 127, 109}, {124, 89, 262, 105}, {273, 86, 349, 108}},
    {{21, 114, 38, 131}, {41, 116, 127, 136}, {124, 116, 262, 132}, {273, 113, 349, 135}},
}};
inline constexpr Rgb kLabelText{88, 95, 105};

}  // namespace zk40::layout::chooser_advanced
