#pragma once
// Plain geometry and colour types of the layout tables. The program and the
// artwork generator read the same tables, so every rectangle, polygon and
// colour of a window is written once. No Windows types: a Rect converts to a
// RECT field by field, an Rgb to a COLORREF with ToColorRef().

#include <array>
#include <cstddef>
#include <cstdint>

namespace zk40::layout {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Left and top inside, right and bottom outside, as the window system counts.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr Rect Inflate(int d) const { return {left - d, top - d, right + d, bottom + d}; }
};

// A closed polygon of N corners in the order given (top-left first for the
// four-cornered buttons).
template <std::size_t N>
struct Polygon {
  std::array<Point, N> points{};

  constexpr Rect Bounds() const {
    Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
      r.left = p.x < r.left ? p.x : r.left;
      r.top = p.y < r.top ? p.y : r.top;
      r.right = p.x > r.right ? p.x : r.right;
      r.bottom = p.y > r.bottom ? p.y : r.bottom;
    }
    return r;
  }
};

using Quad = Polygon<4>;

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // 0x00BBGGRR, the window system's colour value.
  constexpr std::uint32_t ToColorRef() const {
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
  }
  static constexpr Rgb FromColorRef(std::uint32_t c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
  }
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A value that differs between the Simplified Chinese interface and every
// other language. The pages pick one with the interface (or install) flag.
template <typename T>
struct ByLanguage {
  T other{};
  T chinese{};

  constexpr const T& For(bool is_chinese) const { return is_chinese ? chinese : other; }
};

}  // namespace zk40::layout
