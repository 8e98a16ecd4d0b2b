#pragma once
// The look of the skin: one type family, near-black panels, one cyan accent.

#include "skin/layout/ControlColors.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40::art::theme {

using layout::Rgb;

// Noto Sans CJK SC: one family for Latin, Cyrillic and CJK text.
inline constexpr const char* kFontFamily = "Noto Sans CJK SC";

// Surfaces, darkest first.
inline constexpr Rgb kWindow{10, 12, 15};
inline constexpr Rgb kPanel{17, 20, 24};
inline constexpr Rgb kCard{22, 26, 31};
inline constexpr Rgb kRaised{30, 35, 41};
inline constexpr Rgb kRaisedHover{38, 45, 53};
inline constexpr Rgb kInset{8, 9, 11};
// Lines: separators and the one-pixel highlight along a raised top edge.
inline constexpr Rgb kLine{40, 46, 54};
inline constexpr Rgb kLineSoft{29, 34, 40};
inline constexpr Rgb kHighlight{62, 71, 82};

// Text.
inline constexpr Rgb kTextStrong{232, 236, 241};
inline constexpr Rgb kText{176, 184, 194};
inline constexpr Rgb kTextMuted{112, 121, 132};
inline constexpr Rgb kTextFaint{70, 78, 88};

// The accent and its shades.
inline constexpr Rgb kAccent = layout::control_colors::kAccent;
inline constexpr Rgb kAccentBright{56, 196, 248};
inline constexpr Rgb kAccentDeep{0, 96, 138};
inline constexpr Rgb kAccentShadow{0, 44, 64};

// Light surfaces of the notice window, whose texts are dark.
inline constexpr Rgb kPaper{236, 239, 242};
inline constexpr Rgb kPaperShade{216, 221, 226};
inline constexpr Rgb kPaperLine{196, 203, 210};

// Input fields whose text the edit draws in a dark grey.
inline constexpr Rgb kFieldLight{214, 219, 224};

}  // namespace zk40::art::theme
