#pragma once
// The notice (330 x 160, two forms) and the upload progress dialog. Dialog
// client coordinates.

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::notice {

inline constexpr Size kSize{330, 160};
inline constexpr Rect kCloseBox{300, 0, 329, 29};
// With Cancel: OK and Cancel; without: OK alone.
inline constexpr Rect kOkWithCancel{178, 127, 244, 159};
inline constexpr Rect kCancel{245, 127, 311, 159};
inline constexpr Rect kOkAlone{240, 127, 306, 159};
inline constexpr Rect kMessage{90, 73, 305, 91};
inline constexpr Rect kTitle{10, 9, 100, 23};
// Message, title and the buttons' normal caption colour; the captions are
// white when hovered or pressed.
inline constexpr Rgb kText{83, 97, 103};

}  // namespace zk40::layout::notice

namespace zk40::layout::progress {

// The window has the size of Progress_Normal.png (see SkinFiles.h).
inline constexpr int kBarId = 777;
inline constexpr Rect kBar{35, 47, 295, 56};
// Layout rectangle of the "please wait" text: x, y, width, height.
inline constexpr Rect kTextBox{35, 20, 35 + 310, 20 + 40};
inline constexpr Rgb kText{0x80, 0x80, 0x80};

}  // namespace zk40::layout::progress
