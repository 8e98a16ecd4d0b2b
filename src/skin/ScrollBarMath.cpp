#include "skin/ScrollBarMath.h"

#include <algorithm>

#include "skin/layout/ScrollBarSkinLayout.h"

namespace zk40::skin {
namespace {

namespace cells = layout::scroll_skin;

// Thumb pixels at each end that are copied as they are, never repeated.
constexpr int kThumbEnd = 3;
// A thumb is never drawn shorter than this, and a track shorter than it has none.
constexpr int kMinimumThumb = 6;

// How many positions the values can take: range minus page plus one; 0 or
// less when everything fits on one page and there is nothing to scroll.
long long ScrollablePositions(const ScrollValues& v) {
  const long long range = static_cast<long long>(v.maximum) - v.minimum;
  return range - std::max(v.page, 0) + 1;
}

int TrackLength(int length, int cell) { return std::max(0, length - 2 * cell); }

int ThumbLength(int track, const ScrollValues& v) {
  const long long scrollable = ScrollablePositions(v);
  // A page larger than the range (everything visible) has no thumb: a thumb
  // longer than its track would not fit.
  if (scrollable <= 0 || track < kMinimumThumb) return 0;
  const long long range_plus_one = static_cast<long long>(v.maximum) - v.minimum + 1;
  const long long thumb = static_cast<long long>(std::max(v.page, 0)) * track / range_plus_one;
  return static_cast<int>(std::clamp<long long>(thumb, kMinimumThumb, track));
}

}  // namespace

int LastScrollPosition(const ScrollValues& values) {
  const long long last = values.page > 0 ? static_cast<long long>(values.maximum) - values.page + 1 : values.maximum;
  return static_cast<int>(std::max<long long>(last, values.minimum));
}

Span ScrollBarLayout::PartSpan(ScrollPart part) const {
  const int thumb_begin = arrow + thumb_offset;
  switch (part) {
    case ScrollPart::first_arrow:
      return {0, arrow};
    case ScrollPart::track_before:
      return {arrow, thumb_begin};
    case ScrollPart::thumb:
      return {thumb_begin, thumb_begin + thumb};
    case ScrollPart::track_after:
      return {thumb_begin + thumb, length - arrow};
    case ScrollPart::second_arrow:
      return {length - arrow, length};
    case ScrollPart::none:
      break;
  }
  return {};
}

ScrollPart ScrollBarLayout::HitTest(int along, int across) const {
  if (along < 0 || across < 0 || across >= cell) return ScrollPart::none;
  for (ScrollPart part : {ScrollPart::first_arrow, ScrollPart::track_before, ScrollPart::thumb,
                          ScrollPart::track_after, ScrollPart::second_arrow}) {
    if (PartSpan(part).Contains(along)) return part;
  }
  return ScrollPart::none;
}

ScrollBarLayout LayOutScrollBar(int length, int cell, const ScrollValues& values, int shown_position) {
  ScrollBarLayout layout;
  layout.length = std::max(length, 0);
  layout.cell = std::max(cell, 0);
  const int L = layout.length, c = layout.cell;
  layout.arrow = L - 2 * c > 0 ? c : L / 2;
  layout.track = TrackLength(L, c);
  layout.thumb = ThumbLength(layout.track, values);
  const int free = layout.track - layout.thumb;
  const long long scrollable = ScrollablePositions(values);
  if (scrollable > 0) {
    const long long offset = (static_cast<long long>(shown_position) - values.minimum) * free / scrollable;
    // A position outside the range still draws the thumb inside its track.
    layout.thumb_offset = static_cast<int>(std::clamp<long long>(offset, 0, free));
  } else {
    layout.thumb_offset = free / 2;
  }
  return layout;
}

int DragPosition(int length, int cell, const ScrollValues& values, int press_position, int moved) {
  const int track = TrackLength(length, cell);
  const int free = std::max(length, 0) - 2 * std::max(cell, 0) - ThumbLength(track, values);
  long long position = press_position;
  if (free > 0) position += static_cast<long long>(moved) * ScrollablePositions(values) / free;
  if (position < values.minimum) position = values.minimum;
  const int last = LastScrollPosition(values);
  if (position > last) position = last;
  return static_cast<int>(position);
}

RepeatAction RepeatTick(ScrollPart pressed, bool cursor_left, ScrollPart under_cursor, const ScrollValues& values) {
  if (cursor_left) return RepeatAction::wait;
  switch (pressed) {
    case ScrollPart::first_arrow:
      return values.position <= values.minimum ? RepeatAction::stop : RepeatAction::send;
    case ScrollPart::second_arrow:
      // The end is where the last page starts: a list never reaches its maximum.
      return values.position >= LastScrollPosition(values) ? RepeatAction::stop : RepeatAction::send;
    case ScrollPart::track_before:
    case ScrollPart::track_after:
      return under_cursor == ScrollPart::thumb ? RepeatAction::stop : RepeatAction::send;
    case ScrollPart::thumb:
    case ScrollPart::none:
      break;
  }
  return RepeatAction::wait;
}

std::vector<AxisPiece> TrackPieces(Span dest, int cell) {
  std::vector<AxisPiece> pieces;
  if (cell <= 0) return pieces;
  for (int x = dest.begin; x < dest.end; x += cell) {
    const int n = std::min(cell, dest.end - x);
    pieces.push_back({{0, n}, {x, x + n}, false});
  }
  return pieces;
}

std::vector<AxisPiece> ThumbPieces(Span dest, int cell) {
  std::vector<AxisPiece> pieces;
  if (cell <= 0 || dest.Length() <= 0) return pieces;
  const Span middle_source{kThumbEnd, cell - kThumbEnd};
  if (dest.Length() < 2 * kThumbEnd || middle_source.Length() <= 0) {
    // Too short to keep its ends, or a cell with no middle: the whole cell, stretched.
    pieces.push_back({{0, cell}, dest, dest.Length() != cell});
    return pieces;
  }
  pieces.push_back({{0, kThumbEnd}, {dest.begin, dest.begin + kThumbEnd}, false});
  const Span middle{dest.begin + kThumbEnd, dest.end - kThumbEnd};
  for (int x = middle.begin; x < middle.end; x += middle_source.Length()) {
    const int n = std::min(middle_source.Length(), middle.end - x);
    pieces.push_back({{middle_source.begin, middle_source.begin + n}, {x, x + n}, false});
  }
  pieces.push_back({{cell - kThumbEnd, cell}, {dest.end - kThumbEnd, dest.end}, false});
  return pieces;
}

AxisPiece ArrowPiece(Span dest, int cell) {
  if (dest.Length() >= cell) return {{0, cell}, {dest.begin, dest.begin + cell}, false};
  return {{0, cell}, dest, true};
}

Rect SkinCell(ScrollPart part, bool vertical, ScrollLook look, int cell) {
  int column = cells::kUpArrow;
  switch (part) {
    case ScrollPart::second_arrow:
      column = cells::kDownArrow;
      break;
    case ScrollPart::thumb:
      column = cells::kVerticalThumb;
      break;
    case ScrollPart::track_before:
    case ScrollPart::track_after:
      column = cells::kVerticalTrack;
      break;
    default:
      break;
  }
  if (!vertical) column += cells::kLeftArrow - cells::kUpArrow;
  const int row = static_cast<int>(look);
  return {column * cell, row * cell, (column + 1) * cell, (row + 1) * cell};
}

Rect CornerCell(bool vertical_bar_on_left, int cell) {
  const int row = vertical_bar_on_left ? 1 : 0;
  return {cells::kCorner * cell, row * cell, (cells::kCorner + 1) * cell, (row + 1) * cell};
}

}  // namespace zk40::skin
