#pragma once
// The skin's arithmetic works on the layout tables' plain geometry, so a
// rectangle from a table goes straight to a control. Rect is left/top
// inclusive, right/bottom exclusive, as on the platform.

#include "skin/layout/LayoutTypes.h"

namespace zk40::skin {

using layout::Point;
using layout::Rect;

constexpr Rect RectOfSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
constexpr bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace zk40::skin
