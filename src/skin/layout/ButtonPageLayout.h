#pragma once
// The button page (page 1 of the main window), 925 x 452, drawn from
// ZK40_Main_Normal.bmp / _Down / _Over. Page client coordinates.

#include <array>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::button_page {

// DPI boxes for the choices 500, 750, 1000, 1250, 1500, 1750, 2000, 3000.
inline constexpr std::array<int, 8> kDpiChoices{500, 750, 1000, 1250, 1500, 1750, 2000, 3000};
inline constexpr std::array<Rect, 8> kDpiBoxes{{
    {69, 66, 111, 80},
    {135, 66, 182, 80},
    {206, 66, 255, 80},
    {277, 66, 325, 80},
    {347, 66, 393, 80},
    {418, 66, 464, 80},
    {486, 66, 534, 80},
    {557, 66, 606, 80},
}};

inline constexpr int kPointerSpeedSliderId = 2560;
inline constexpr Rect kPointerSpeedSlider{104, 167, 293, 179};
inline constexpr int kLiftOffSliderId = 2562;
inline constexpr Rect kLiftOffSlider{422, 167, 624, 179};
// Clicks count on the slider's rectangle narrowed by this much on the right.
inline constexpr int kSliderTrackRightInset = 20;

inline constexpr Rect kPrecisionBox{68, 203, 178, 219};

// Report rates 125, 500 and 1000 per second.
inline constexpr std::array<int, 3> kReportRates{125, 500, 1000};
inline constexpr std::array<Rect, 3> kReportRateButtons{{
    {67, 303, 120, 317},
    {134, 303, 190, 317},
    {201, 303, 261, 317},
}};

// Wheel: scroll a number of lines (with the number field and its arrows) or
// one screen.
inline constexpr ByLanguage<Rect> kLinesButton{{406, 331, 669, 347}, {406, 331, 558, 345}};
inline constexpr int kLinesFieldId = 2563;
inline constexpr ByLanguage<Rect> kLinesField{{550, 355, 573, 377}, {574, 333, 590, 358}};
inline constexpr ByLanguage<Rect> kLinesUp{{573, 350, 588, 361}, {594, 330, 607, 340}};
inline constexpr ByLanguage<Rect> kLinesDown{{573, 361, 588, 372}, {594, 341, 607, 350}};
inline constexpr ByLanguage<Rect> kScreenButton{{406, 375, 672, 393}, {406, 361, 527, 375}};

// Area captions: DPI, pointer, sensor, report rate, wheel, buttons.
inline constexpr std::array<Rect, 6> kAreaCaptions{{
    {40, 27, 176, 49},
    {29, 127, 288, 157},
    {372, 129, 568, 154},
    {30, 262, 208, 287},
    {374, 263, 661, 287},
    {29, 366, 205, 395},
}};
inline constexpr std::array<int, 6> kAreaCaptionHints{61, 13, 62, 63, 64, 65};

// Markers on the picture of the mouse, lit while the cursor is over the
// matching button entry; in button-index order (left, middle, right,
// forward, back, wheel forward, wheel backward).
inline constexpr std::array<Rect, 7> kButtonMarkers{{
    {773, 150, 796, 173},
    {834, 140, 855, 161},
    {864, 158, 885, 179},
    {745, 204, 766, 225},
    {754, 248, 775, 269},
    {817, 120, 838, 141},
    {824, 165, 845, 186},
}};

// Button entries, four-cornered regions in button-index order.
inline constexpr std::array<Quad, 7> kButtonEntries{{
    {{{{19, 408}, {127, 408}, {95, 441}, {19, 441}}}},
    {{{{130, 408}, {214, 408}, {182, 441}, {98, 441}}}},
    {{{{218, 408}, {302, 408}, {270, 441}, {186, 441}}}},
    {{{{306, 408}, {389, 408}, {357, 441}, {274, 441}}}},
    {{{{393, 408}, {476, 408}, {444, 441}, {361, 441}}}},
    {{{{481, 408}, {581, 408}, {549, 441}, {449, 441}}}},
    {{{{586, 408}, {692, 408}, {660, 441}, {554, 441}}}},
}};
// The markers light while the cursor is inside an entry's window rectangle
// narrowed by this much on the left and on the right.
inline constexpr int kMarkerEntryInset = 17;

// The entries' state pictures are 925 x 456 resource bitmaps.
inline constexpr Size kEntryPictureSize{925, 456};

// Hint numbers.
inline constexpr int kDpiHint = 12;
inline constexpr int kPointerSpeedHint = 13;
inline constexpr int kPrecisionHint = 14;
inline constexpr int kLiftOffHint = 15;
inline constexpr int kReportRateHint = 16;
inline constexpr int kLinesHint = 17;
inline constexpr int kScreenHint = 18;
inline constexpr int kButtonEntryHint = 65;

}  // namespace zk40::layout::button_page
