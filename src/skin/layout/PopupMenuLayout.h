#pragma once
// The popup windows: the nine-sliced frame, the picture menu (the language
// menu) and the owner-drawn tray menu.

#include "skin/layout/ControlColors.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::popup {

// The frame picture (PNG 129) is 65 x 65 and drawn nine-sliced with corners
// of this size.
inline constexpr Size kFrameSize{65, 65};
inline constexpr int kFrameCorner = 32;
// Without a frame picture: filled with the accent, and white one pixel inside.
inline constexpr Rgb kAccent = control_colors::kAccent;
inline constexpr Rgb kFallbackInside{255, 255, 255};
// Content layer colour key and the colour pure black becomes.
inline constexpr Rgb kColorKey{255, 0, 255};
inline constexpr Rgb kVisibleBlack{0, 0, 1};

}  // namespace zk40::layout::popup

namespace zk40::layout::picture_menu {

// Items from y = 6 down, 22 pixels each, from x 6 to 110; the window is
// 116 wide and 3 pixels taller than the last item's bottom.
inline constexpr int kFirstTop = 6;
inline constexpr int kItemHeight = 22;
inline constexpr int kItemLeft = 6;
inline constexpr int kItemRight = 110;
inline constexpr int kWidth = 116;
inline constexpr int kBottomMargin = 3;
constexpr Rect ItemRect(int index) {
  const int top = kFirstTop + kItemHeight * index;
  return {kItemLeft, top, kItemRight, top + kItemHeight};
}
constexpr Size WindowSize(int item_count) {
  return {kWidth, kFirstTop + kItemHeight * item_count + kBottomMargin};
}
// Text from 30 pixels right of the item's left edge to 112.
inline constexpr int kTextIndent = 30;
inline constexpr int kTextRightFromLeft = 112;
// Pictures are centred in a column of this width.
inline constexpr int kPictureColumn = 25;
inline constexpr Rgb kText{5, 5, 5};
inline constexpr Rgb kHoverFill = control_colors::kAccent;
inline constexpr Rgb kHoverText{245, 245, 245};

}  // namespace zk40::layout::picture_menu

namespace zk40::layout::tray_menu {

inline constexpr Size kItemSize{75, 22};
inline constexpr int kConfigCommand = 24576;
inline constexpr int kExitCommand = 24577;
inline constexpr Rgb kHighlightFrame{0, 0, 0};
inline constexpr Rgb kHighlightFill{177, 185, 207};
inline constexpr Rgb kHighlightText{0, 60, 145};
inline constexpr Rgb kFill{219, 216, 209};
inline constexpr Rgb kText{0, 0, 0};
inline constexpr int kIconColumn = 25;
inline constexpr int kTextIndent = 33;

}  // namespace zk40::layout::tray_menu
