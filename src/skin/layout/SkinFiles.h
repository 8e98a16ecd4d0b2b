#pragma once
// The files of the install folder's "skins" folder: where each lies, its name
// and its size in pixels. Full-size page pictures come in threes (Normal,
// Down, Over); the controls of a page cut their looks out of them.

#include <array>
#include <string_view>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout {

inline constexpr std::u16string_view kSkinFolder = u"skins";

// One state picture set of a page or dialog: folder under "skins" (empty for
// the top folder), the three file names, and the picture size.
struct PageSkin {
  std::u16string_view folder;
  std::u16string_view normal;
  std::u16string_view down;
  std::u16string_view over;
  Size size;
};

inline constexpr Size kPageSize{925, 452};

inline constexpr PageSkin kMainWindowSkin{u"", u"Main_Normal.bmp", u"Main_Down.bmp", u"Main_Over.bmp", {959, 639}};
inline constexpr PageSkin kButtonPageSkin{u"", u"ZK40_Main_Normal.bmp", u"ZK40_Main_Down.bmp", u"ZK40_Main_Over.bmp",
                                          kPageSize};
inline constexpr PageSkin kMacroPageSkin{u"", u"Macro_normal.bmp", u"Macro_down.bmp", u"Macro_over.bmp", kPageSize};
inline constexpr PageSkin kStatisticsPageSkin{u"", u"Sts_Normal.bmp", u"Sts_Down.bmp", u"Sts_Over.bmp", kPageSize};
inline constexpr PageSkin kSupportPageSkin{u"", u"support_normal.bmp", u"support_down.bmp", u"support_over.bmp",
                                           kPageSize};
inline constexpr PageSkin kLightingPageSkin{u"Light", u"LedSet_normal.bmp", u"LedSet_down.bmp", u"LedSet_over.bmp",
                                            kPageSize};
inline constexpr PageSkin kChooserSkin{u"setting", u"Setting_Normal.bmp", u"Setting_Down.bmp", u"Setting_Over.bmp",
                                       {413, 300}};
inline constexpr Size kChooserPageSize{370, 169};
inline constexpr PageSkin kChooserBasicSkin{u"base", u"Base_Normal.bmp", u"Base_Down.bmp", u"Base_Over.bmp",
                                            kChooserPageSize};
inline constexpr PageSkin kChooserAdvancedSkin{u"advanced", u"Advanced_Normal.bmp", u"Advanced_Down.bmp",
                                               u"Advanced_Over.bmp", kChooserPageSize};
inline constexpr PageSkin kChooserMacroSkin{u"macro", u"Macro_Normal.bmp", u"Macro_Down.bmp", u"Macro_Over.bmp",
                                            kChooserPageSize};
inline constexpr PageSkin kChooserComboSkin{u"combo", u"Combo_Normal.bmp", u"Combo_Down.bmp", u"Combo_Over.bmp",
                                            kChooserPageSize};

inline constexpr std::array<const PageSkin*, 11> kPageSkins{
    &kMainWindowSkin,   &kButtonPageSkin,   &kMacroPageSkin,    &kStatisticsPageSkin,
    &kSupportPageSkin,  &kLightingPageSkin, &kChooserSkin,      &kChooserBasicSkin,
    &kChooserAdvancedSkin, &kChooserMacroSkin, &kChooserComboSkin};

// A single skin file: folder under "skins", name, size.
struct SkinFile {
  std::u16string_view folder;
  std::u16string_view name;
  Size size;
};

// Thumb of every slider bar. Eight pixels high so that it fits the lowest
// bar (8 pixels); it sits on the bar's bottom edge.
inline constexpr SkinFile kSliderThumb{u"", u"Slider.png", {14, 8}};

// Row icons of the macro step list (key release, key press, delay), drawn
// into a 16 x 16 square.
inline constexpr std::array<SkinFile, 6> kStepIcons{{
    {u"", u"up_normal.png", {16, 16}},
    {u"", u"up_select.png", {16, 16}},
    {u"", u"down_normal.png", {16, 16}},
    {u"", u"down_select.png", {16, 16}},
    {u"", u"delay_normal.png", {16, 16}},
    {u"", u"delay_select.png", {16, 16}},
}};

// Progress dialog: its window has the size of Progress_Normal.png.
inline constexpr SkinFile kProgressNormal{u"ProgressBar", u"Progress_Normal.png", {330, 80}};
inline constexpr SkinFile kProgressOver{u"ProgressBar", u"Progress_Over.png", {330, 80}};

// Row pictures of the macro page's game menu, as wide as the game button and
// as high as a menu row: normal, hovered, pressed; left rows and rows with a
// submenu.
inline constexpr Size kGameMenuRowSize{302, 24};
inline constexpr std::array<SkinFile, 6> kGameMenuRows{{
    {u"Menu", u"MenuNorL.BMP", kGameMenuRowSize},
    {u"Menu", u"MenuOverL.BMP", kGameMenuRowSize},
    {u"Menu", u"MenuDownL.BMP", kGameMenuRowSize},
    {u"Menu", u"MenuNorHaveSub.BMP", kGameMenuRowSize},
    {u"Menu", u"MenuOverHaveSub.BMP", kGameMenuRowSize},
    {u"Menu", u"MenuDownHaveSub.BMP", kGameMenuRowSize},
}};

// Large trophy pictures "trophy%dDown.bmp", levels 0..12, the size of the
// statistics page's trophy control.
inline constexpr std::u16string_view kTrophyFolder = u"trophy";
inline constexpr Size kTrophySize{298, 451};
inline constexpr int kTrophyLevels = 13;

// The installer's language choice: section "languagetype", key "value",
// 1 for Simplified Chinese, 0 otherwise.
inline constexpr std::u16string_view kLanguageTypeFile = u"languagetype.ini";

}  // namespace zk40::layout
