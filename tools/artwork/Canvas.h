#pragma once
// A picture being drawn: a Cairo image surface (32-bit, premultiplied alpha)
// with its drawing context, and the ways out of it (BMP, PNG, pixels).

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/layout/LayoutTypes.h"

namespace zk40::art {

using layout::Point;
using layout::Quad;
using layout::Rect;
using layout::Rgb;
using layout::Size;

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
  friend bool operator==(Rgba, Rgba) = default;
};

class Canvas {
 public:
  Canvas(int width, int height);
  explicit Canvas(Size size) : Canvas(size.width, size.height) {}
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_t* Cr() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }

  // Straight (not premultiplied) colour of one pixel.
  Rgba Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgba c);

  // Copies a rectangle of another canvas of the same size to the same place.
  void CopyFrom(const Canvas& source, Rect r);
  // Draws another canvas at (x, y), alpha respected.
  void Paint(const Canvas& source, int x, int y);

  // 24-bit BMP (alpha dropped) and 32-bit PNG with alpha.
  [[nodiscard]] bool WriteBmp(const std::string& path) const;
  [[nodiscard]] bool WritePng(const std::string& path) const;

  // Rows of straight BGRA pixels, top row first, for the icon writer.
  std::vector<std::uint8_t> Bgra() const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace zk40::art
