#pragma once
// The main window: 959 x 639, borderless, drawn from Main_Normal.bmp. Client
// coordinates in pixels.

#include <array>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::main_window {

inline constexpr Size kSize{959, 639};

inline constexpr Rect kMinimizeButton{887, 2, 921, 33};
inline constexpr Rect kHideToTrayButton{922, 2, 956, 33};
inline constexpr Rect kLanguageButton{15, 617, 57, 635};
// Static control 1010 that shows the 37 x 22 flag of the interface language.
inline constexpr int kFlagControlId = 1010;
inline constexpr Rect kFlagControl{19, 592, 55, 615};

// Five tabs: buttons, lighting, macros, statistics, support.
inline constexpr std::array<Quad, 5> kTabs{{
    {{{{30, 85}, {189, 85}, {210, 121}, {30, 121}}}},
    {{{{193, 85}, {375, 85}, {396, 121}, {214, 121}}}},
    {{{{377, 85}, {559, 85}, {579, 121}, {399, 121}}}},
    {{{{562, 85}, {743, 85}, {764, 121}, {583, 121}}}},
    {{{{747, 85}, {928, 85}, {928, 121}, {768, 121}}}},
}};

inline constexpr std::array<Quad, 5> kProfileButtons{{
    {{{{342, 608}, {435, 608}, {414, 635}, {321, 635}}}},
    {{{{439, 608}, {533, 608}, {512, 635}, {417, 635}}}},
    {{{{536, 608}, {628, 608}, {605, 635}, {513, 635}}}},
    {{{{630, 608}, {723, 608}, {700, 635}, {607, 635}}}},
    {{{{725, 608}, {818, 608}, {795, 635}, {703, 635}}}},
}};

inline constexpr Quad kApplyButton{{{{841, 591}, {940, 591}, {940, 632}, {806, 632}}}};

// All five pages sit here.
inline constexpr Point kPageOrigin{15, 128};
inline constexpr Size kPageSize{925, 452};

// The hint line and its text colour.
inline constexpr Rect kHintLine{67, 598, 300, 628};
inline constexpr Rgb kHintText{190, 190, 190};

// Hint numbers of the eleven irregular buttons: tabs 1..5, profiles 6..10,
// Apply 11.
inline constexpr int kFirstTabHint = 1;
inline constexpr int kFirstProfileHint = 6;
inline constexpr int kApplyHint = 11;

// The language popup opens with its left edge this far left of the language
// control and its top this far above the control's bottom edge.
inline constexpr int kLanguagePopupLeftOffset = 4;
inline constexpr int kLanguagePopupRise = 287;

}  // namespace zk40::layout::main_window
