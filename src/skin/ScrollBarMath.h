#pragma once
// The arithmetic of the skinned scroll bar: where its arrows, track and thumb
// lie for a scroll state, which part a point hits, where a thumb drag puts
// the position, and what each tick of a held press does. Lengths run along
// the bar's axis; the bar is one skin cell thick across it.

#include <vector>

#include "skin/Geometry.h"

namespace zk40::skin {

// The parts of a bar. Their numbers are also the scroll codes the bar sends:
// line up/left, line down/right, page up/left, page down/right, thumb track.
enum class ScrollPart : int {
  none = -1,
  first_arrow = 0,
  second_arrow = 1,
  track_before = 2,
  track_after = 3,
  thumb = 5,
};
// The scroll code of a finished thumb drag.
inline constexpr int kThumbReleasedCode = 4;
inline constexpr int ScrollCode(ScrollPart part) { return static_cast<int>(part); }

struct ScrollValues {
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int position = 0;
  friend bool operator==(const ScrollValues&, const ScrollValues&) = default;
};

// The highest position the values can scroll to: the last page starts there.
int LastScrollPosition(const ScrollValues& values);

// A half-open span [begin, end) along the axis.
struct Span {
  int begin = 0;
  int end = 0;
  constexpr int Length() const { return end - begin; }
  constexpr bool Contains(int x) const { return x >= begin && x < end; }
  friend bool operator==(const Span&, const Span&) = default;
};

struct ScrollBarLayout {
  int length = 0;        // L, along the axis
  int cell = 0;          // c, the skin's cell size and the bar's thickness
  int arrow = 0;         // length of each arrow
  int track = 0;         // length between the arrows' cells
  int thumb = 0;         // thumb length, 0 when there is no thumb
  int thumb_offset = 0;  // from the end of the first arrow

  Span PartSpan(ScrollPart part) const;
  // The part under a point given along and across the axis; none outside.
  ScrollPart HitTest(int along, int across) const;
};

// Lays out a bar of the given length and cell for values, with the thumb at
// shown_position (the drag position while a drag runs, else the position).
ScrollBarLayout LayOutScrollBar(int length, int cell, const ScrollValues& values, int shown_position);

// The position a thumb drag gives when the cursor has moved `moved` pixels
// along the axis since the press at press_position; kept within the range
// that can be scrolled to.
int DragPosition(int length, int cell, const ScrollValues& values, int press_position, int moved);

// One tick of the auto-repeat of a held press on an arrow or the track.
enum class RepeatAction { wait, send, stop };
// pressed: the part pressed; cursor_left: the cursor has moved off it;
// under_cursor: the part under the cursor now.
RepeatAction RepeatTick(ScrollPart pressed, bool cursor_left, ScrollPart under_cursor, const ScrollValues& values);

// How the pieces of a bar are copied from the skin along the axis: source
// range within the cell, destination range along the bar, and whether the
// source is stretched to fit (arrows shorter than a cell).
struct AxisPiece {
  Span source;
  Span dest;
  bool stretch = false;
  friend bool operator==(const AxisPiece&, const AxisPiece&) = default;
};
// The thumb: the first and the last 3 pixels of its cell as they are, the
// middle of the cell repeated over the rest.
std::vector<AxisPiece> ThumbPieces(Span dest, int cell);
// The track: the cell repeated over dest, the last copy cut short.
std::vector<AxisPiece> TrackPieces(Span dest, int cell);
// An arrow: its cell as it is, or stretched when the arrow is shorter.
AxisPiece ArrowPiece(Span dest, int cell);

// The skin's columns and rows: see the scroll-bar skin picture.
enum class ScrollLook : int { normal = 0, hover = 1, pressed = 2 };
// The cell of a part's picture in the skin, for a vertical or a horizontal bar.
Rect SkinCell(ScrollPart part, bool vertical, ScrollLook look, int cell);
// The corner box between two bars, which differs with the vertical bar's side.
Rect CornerCell(bool vertical_bar_on_left, int cell);

}  // namespace zk40::skin
