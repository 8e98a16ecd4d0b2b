#pragma once
// The skinned scroll bars' picture (bitmap 166, 163 x 54): square cells of
// c = width / 9 pixels in 9 columns and 3 rows.

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::scroll_skin {

inline constexpr Size kSize{163, 54};
inline constexpr int kColumns = 9;
inline constexpr int kRows = 3;
inline constexpr int kCell = kSize.width / kColumns;  // 18

// Columns: vertical bar 0..3, horizontal bar 4..7, corner box 8.
enum Column : int {
  kUpArrow = 0,
  kDownArrow = 1,
  kVerticalThumb = 2,
  kVerticalTrack = 3,
  kLeftArrow = 4,
  kRightArrow = 5,
  kHorizontalThumb = 6,
  kHorizontalTrack = 7,
  kCorner = 8,
};
// Rows of columns 0..7; the corner uses row 0 when the vertical bar is on the
// right and row 1 when it is on the left.
enum Row : int { kNormal = 0, kHover = 1, kPressed = 2 };

constexpr Rect CellRect(int column, int row) {
  return {column * kCell, row * kCell, (column + 1) * kCell, (row + 1) * kCell};
}

}  // namespace zk40::layout::scroll_skin
