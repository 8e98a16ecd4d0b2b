#pragma once
// Plain rectangles and points of the skinned controls' arithmetic, in pixels.
// Rect is left/top inclusive, right/bottom exclusive, as on the platform.

namespace zk40::skin {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zk40::skin
