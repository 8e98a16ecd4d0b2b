#pragma once
// The statistics page (page 4 of the main window), 925 x 452, drawn from
// Sts_Normal.bmp / _Down / _Over. Page client coordinates. The page picks its
// number column by the install language (`other` / `chinese`).

#include <array>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::statistics_page {

inline constexpr Rect kTrophyPicture{309, 0, 607, 451};

// The progress strip starts at (631, 62), is 15 pixels high and grows with the
// trophy level up to 273 pixels: 21 pixels for each of 13 steps.
inline constexpr Point kStripOrigin{631, 62};
inline constexpr int kStripHeight = 15;
inline constexpr int kStripFullWidth = 273;
inline constexpr int kTrophyLevelCount = 13;
constexpr int StripWidth(int level) {
  const int steps = level + 1 < kTrophyLevelCount ? level + 1 : kTrophyLevelCount;
  return steps < 0 ? 0 : steps * kStripFullWidth / kTrophyLevelCount;
}
constexpr Rect StripRect(int level) {
  return {kStripOrigin.x, kStripOrigin.y, kStripOrigin.x + StripWidth(level), kStripOrigin.y + kStripHeight};
}

// Thirteen trophy icons, five to a row.
inline constexpr Size kTrophyIconSize{43, 50};
constexpr Rect TrophyIcon(int index) {
  constexpr int kRowTops[] = {132, 190, 248};
  const int left = 647 + 50 * (index % 5);
  const int top = kRowTops[index / 5];
  return {left, top, left + kTrophyIconSize.width, top + kTrophyIconSize.height};
}

inline constexpr Rect kResetButton{703, 379, 832, 410};

// The value boxes: left, middle and right presses, click total, wheel
// forward, wheel backward, wheel total, distance.
inline constexpr int kValueCount = 8;
inline constexpr std::array<int, kValueCount> kValueTops{85, 119, 152, 183, 250, 284, 319, 384};
inline constexpr std::array<int, kValueCount> kValueBottoms{106, 139, 172, 203, 270, 304, 339, 404};
inline constexpr ByLanguage<int> kValueLeft{152, 167};
inline constexpr ByLanguage<int> kValueRight{227, 242};
inline constexpr ByLanguage<int> kDistanceLeft{152, 187};
inline constexpr ByLanguage<int> kDistanceRight{227, 262};
constexpr Rect ValueBox(int index, bool chinese) {
  const bool distance = index == kValueCount - 1;
  const int left = distance ? kDistanceLeft.For(chinese) : kValueLeft.For(chinese);
  const int right = distance ? kDistanceRight.For(chinese) : kValueRight.For(chinese);
  return {left, kValueTops[index], right, kValueBottoms[index]};
}
inline constexpr Rgb kValueText{0xDC, 0xDC, 0xDC};

// Repainted on every counted event, and every five seconds for the distance.
inline constexpr Rect kNumberColumn{166, 84, 263, 405};
inline constexpr Rect kDistanceRepaint{187, 384, 262, 404};

inline constexpr int kTrophyHint = 54;
inline constexpr int kResetHint = 55;

}  // namespace zk40::layout::statistics_page
