#include "skin/SliderMath.h"

#include <cstdint>

namespace zk40::skin {
namespace {

// a x b / c in 64 bits, whole-number division; 0 when c is 0.
int Scale(std::int64_t a, std::int64_t b, std::int64_t c) { return c == 0 ? 0 : static_cast<int>(a * b / c); }

// The short ranges whose top value is hard to reach by division alone.
struct TopSnap {
  int maximum;
  double threshold;
};
constexpr TopSnap kTopSnaps[] = {{5, 4.75}, {10, 9.75}, {3, 2.87}};

}  // namespace

int InRangeOrMinimum(int value, ValueRange range) { return range.Contains(value) ? value : range.minimum; }

int TrackClickValue(int d, int w, ValueRange range) {
  if (w <= 0) return range.minimum;
  const int span = range.maximum - range.minimum;
  int v = range.minimum + Scale(d, span, w);
  if (range.minimum == 1) {
    for (const TopSnap& snap : kTopSnaps) {
      if (range.maximum == snap.maximum && static_cast<double>(d) * span / w + 1.0 > snap.threshold) v = snap.maximum;
    }
  }
  return range.Clamp(v);
}

int ThumbLeft(int value, ValueRange range, int x_min, int x_max, int thumb_width) {
  value = InRangeOrMinimum(value, range);
  return x_min + Scale(x_max - x_min - thumb_width, value - range.minimum, range.maximum - range.minimum);
}

int DraggedThumbLeft(int left, int right, int dx, int x_min, int x_max) {
  if (left + dx < x_min) dx = x_min - left;
  if (right + dx > x_max) dx = x_max - right;
  return left + dx;
}

int ThumbValue(int left, ValueRange range, int x_min, int x_max, int thumb_width) {
  const int free = x_max - thumb_width - x_min;
  if (free <= 0) return range.minimum;
  // Division alone reads a thumb's place back as one value less than the
  // value that put it there (both ways drop the fraction), so a grabbed thumb
  // would step down on the first move. Of the values around the divided one,
  // take the one whose place is nearest (the lower one on a tie).
  const int divided = range.Clamp(range.minimum + Scale(range.maximum - range.minimum, left - x_min, free));
  int best = divided;
  int best_distance = -1;
  for (int v = divided - 1; v <= divided + 1; ++v) {
    if (!range.Contains(v)) continue;
    const int place = ThumbLeft(v, range, x_min, x_max, thumb_width);
    const int distance = place > left ? place - left : left - place;
    if (best_distance < 0 || distance < best_distance) {
      best = v;
      best_distance = distance;
    }
  }
  return best;
}

int ProgressFillWidth(int width, int value, ValueRange range) {
  return Scale(width, value - range.minimum, range.maximum - range.minimum);
}

int ProgressValueAt(int x, int left, int right, ValueRange range) {
  if (x < left) x = left;
  return range.Clamp(range.minimum + Scale(range.maximum - range.minimum, x - left, right - left));
}

}  // namespace zk40::skin
