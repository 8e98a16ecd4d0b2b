#pragma once
// Text colours of the skinned controls.

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::control_colors {

// Skinned push buttons (bitmap and irregular buttons): normal, hovered,
// pressed, disabled caption colours.
inline constexpr Rgb kButtonText{189, 189, 200};
inline constexpr Rgb kButtonOverText{255, 255, 255};
inline constexpr Rgb kButtonPressedText{38, 29, 5};
inline constexpr Rgb kButtonDisabledText{38, 42, 39};

// Skinned edit fields (text drawn over the page picture).
inline constexpr Rgb kBitmapEditText{88, 95, 103};

// The colour of the whole program's accent (popup frames, highlights).
inline constexpr Rgb kAccent{0, 147, 209};

}  // namespace zk40::layout::control_colors
