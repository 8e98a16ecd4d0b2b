#pragma once
// The arithmetic of the picture sliders and the progress bar. All divisions
// are whole-number divisions; a value outside its range is set as the
// minimum. Degenerate sizes (a track, range or free length of zero) give the
// minimum or the first place instead of dividing by zero.

#include "skin/Geometry.h"

namespace zk40::skin {

struct ValueRange {
  int minimum = 0;
  int maximum = 10;
  constexpr bool Contains(int v) const { return v >= minimum && v <= maximum; }
  constexpr int Clamp(int v) const { return v < minimum ? minimum : v > maximum ? maximum : v; }
};

// A value given to Set position: outside the range it becomes the minimum.
int InRangeOrMinimum(int value, ValueRange range);

// The value of a click d pixels right of the track's left edge, on a track
// w pixels wide: minimum + d x (maximum - minimum) / w, with the top value
// snapped to for the ranges 1..5 (above 4.75), 1..10 (above 9.75) and 1..3
// (above 2.87), clamped to the range.
int TrackClickValue(int d, int w, ValueRange range);

// The thumb's left edge for value, with the thumb's window kept between
// x_min and x_max (parent coordinates) and thumb_width wide.
int ThumbLeft(int value, ValueRange range, int x_min, int x_max, int thumb_width);

// A drag of the thumb from left (its window [left, right)) by dx, kept
// inside [x_min, x_max]: the new left edge.
int DraggedThumbLeft(int left, int right, int dx, int x_min, int x_max);

// The value of a thumb whose left edge is at left: the value whose place is
// nearest, so a thumb at the place of v reads back as v.
int ThumbValue(int left, ValueRange range, int x_min, int x_max, int thumb_width);

// How many pixels of a bar width wide are filled at value.
int ProgressFillWidth(int width, int value, ValueRange range);

// The value at x (parent coordinates, not below left) of a bar from left to
// right, clamped to the range.
int ProgressValueAt(int x, int left, int right, ValueRange range);

}  // namespace zk40::skin
