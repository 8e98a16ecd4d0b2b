#pragma once
// Rectangles and points of a page's client area, and the hit tests the pages
// make on them. A rectangle holds its left and top edges, not its right and
// bottom ones, as window rectangles do.

#include <span>
#include <vector>

#include "skin/layout/LayoutTypes.h"

namespace zk40 {

struct PagePoint {
  int x = 0;
  int y = 0;
};

struct PageRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] bool Contains(PagePoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // dx, dy > 0 grows the rectangle on both sides, < 0 shrinks it.
  PageRect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
};

// The strip of box, height high (at most the box's), in the box's middle;
// an odd spare pixel goes below.
PageRect MiddleStrip(const PageRect& box, int height);

// A rectangle of the layout tables.
constexpr PageRect PageRectOf(const layout::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A control's rectangle (in page coordinates) and the hint number the page
// posts while the cursor is over it.
struct HintArea {
  PageRect rect;
  int hint;
};

// The hint numbers to post for a cursor position, in the order of the areas:
// every area, grown by one pixel on each side, that holds the point.
std::vector<int> HintsAt(std::span<const HintArea> areas, PagePoint cursor);

}  // namespace zk40
