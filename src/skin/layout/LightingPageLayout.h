#pragma once
// The lighting page (page 2 of the main window), 925 x 452, drawn from
// Light\LedSet_normal.bmp / _down / _over. Page client coordinates; where a
// control has two places, `other` is for every language but Simplified
// Chinese.

#include <array>
#include <cstdint>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::lighting_page {

// Effect buttons, in the order of the page's table: effect 4, 3, 5, 2, 1.
struct EffectButton {
  int effect;
  ByLanguage<Rect> rect;
  int hint;
};
inline constexpr std::array<EffectButton, 5> kEffectButtons{{
    {4, {{197, 36, 407, 53}, {197, 36, 309, 52}}, 26},
    {3, {{450, 34, 665, 52}, {368, 36, 481, 52}}, 27},
    {5, {{710, 34, 828, 54}, {557, 36, 638, 52}}, 28},
    {2, {{196, 70, 286, 87}, {197, 68, 279, 86}}, 29},
    {1, {{196, 103, 301, 118}, {197, 103, 279, 120}}, 31},
}};

inline constexpr int kBreathingSpeedSliderId = 778;
inline constexpr ByLanguage<Rect> kBreathingSpeedSlider{{571, 72, 713, 83}, {459, 65, 603, 80}};
inline constexpr int kBrightnessSliderId = 777;
inline constexpr ByLanguage<Rect> kBrightnessSlider{{571, 105, 713, 115}, {459, 99, 603, 114}};

inline constexpr ByLanguage<Rect> kProximityOn{{325, 133, 394, 153}, {199, 136, 248, 150}};
inline constexpr ByLanguage<Rect> kProximityOff{{451, 133, 526, 152}, {325, 136, 375, 150}};

inline constexpr ByLanguage<Rect> kColorPreview{{170, 207, 195, 232}, {171, 206, 196, 232}};

// 26 preset swatches, seven to a row.
inline constexpr int kPresetCount = 26;
inline constexpr int kPresetsPerRow = 7;
constexpr Rect PresetSwatch(int k, bool chinese) {
  const int row = k / kPresetsPerRow;
  const int column = k % kPresetsPerRow;
  const int left = (chinese ? 140 : 177) + 40 * column - (column >= 5 ? 1 : 0);
  const int top = (chinese ? 256 : 258) + 41 * row;
  return {left, top, left + 31, top + (chinese ? 32 : 31)};
}

// The preset colours as colour values 0x00BBGGRR.
inline constexpr std::array<std::uint32_t, kPresetCount> kPresetColors{
    0x7E05FA, 0x0012FA, 0x0179F8, 0x00EDF9, 0x09F0C1, 0x00F927, 0x2AA418, 0x93E713, 0xDFE90D,
    0xFAC101, 0xFA8E05, 0xF96F00, 0xF80024, 0xE3185A, 0xE21B7F, 0xE218C1, 0x54FAE6, 0x30B900,
    0x7D63FA, 0x233BC4, 0x1603DE, 0xAD7A17, 0x12B900, 0xC05A4A, 0xEE4E6F, 0xB95401};

// Red, green and blue sliders and their number fields.
inline constexpr std::array<int, 3> kColorSliderIds{769, 770, 771};
inline constexpr std::array<ByLanguage<Rect>, 3> kColorSliders{{
    {{571, 279, 698, 287}, {564, 272, 692, 287}},
    {{571, 326, 698, 336}, {564, 319, 692, 334}},
    {{571, 370, 698, 379}, {564, 354, 692, 379}},
}};
// The colour sliders' clicks count on their rectangle narrowed this much on
// the right; the speed and brightness sliders use their whole rectangle.
inline constexpr int kColorSliderTrackRightInset = 7;
inline constexpr std::array<int, 3> kColorFieldIds{772, 773, 774};
inline constexpr std::array<Rect, 3> kColorFields{{
    {713, 275, 738, 290},
    {713, 323, 738, 338},
    {713, 367, 738, 383},
}};

// Label areas drawn in the background.
inline constexpr Rect kLightingLabel{21, 25, 176, 50};
inline constexpr ByLanguage<Rect> kProximityLabel{{17, 159, 253, 183}, {21, 138, 171, 167}};
inline constexpr ByLanguage<Rect> kColorSettingLabel{{17, 184, 516, 206}, {25, 166, 404, 195}};
inline constexpr Rect kCurrentColorLabel{28, 207, 159, 229};
inline constexpr Rect kPresetColorLabel{30, 247, 131, 265};
inline constexpr Rect kCustomColorLabel{482, 239, 631, 260};

// The colour wheel: a hue and saturation wheel filling the ellipse inscribed
// in this rectangle. A click inside the ellipse takes the colour under it.
inline constexpr Rect kColorWheel{771, 264, 891, 383};

// Hint numbers.
inline constexpr int kBreathingSpeedHint = 76;
inline constexpr int kBrightnessHint = 32;
inline constexpr int kProximityOnHint = 37;
inline constexpr int kProximityOffHint = 38;
inline constexpr int kColorPreviewHint = 83;
inline constexpr int kColorSliderHint = 39;
inline constexpr int kLightingLabelHint = 75;
inline constexpr int kProximityLabelHint = 80;
inline constexpr int kColorSettingHint = 81;
inline constexpr int kCurrentColorHint = 82;
inline constexpr int kPresetColorHint = 84;
inline constexpr int kCustomColorHint = 85;

}  // namespace zk40::layout::lighting_page
