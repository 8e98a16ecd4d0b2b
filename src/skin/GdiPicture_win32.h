#pragma once
// A skin picture made ready for plain GDI. Its pixels are premultiplied once,
// when it is made, into a 32-bit DIB section, so that drawing it is a single
// AlphaBlend (a BitBlt when every pixel is opaque): a paint creates no GDI+
// surface and converts no pixels. GDI+ composes a picture the same way, so
// the result on screen does not change.

#include "framework/Gdi.h"
#include "skin/GdiPlus_win32.h"

namespace zk40 {

class GdiPicture {
 public:
  GdiPicture() = default;
  // image one to one; empty when image is empty or not a bitmap.
  explicit GdiPicture(const GdiPlusImage& image);
  // image stretched once by GDI+ to width x height, as a paint stretching it
  // would draw it; one to one when it already has that size.
  GdiPicture(const GdiPlusImage& image, int width, int height);

  explicit operator bool() const { return static_cast<bool>(bitmap_); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Opaque() const { return opaque_; }

  // Draws dest's size of the picture, from source on, unscaled into dest of
  // dc, blending its soft edges over what dc holds. What lies outside the
  // picture is left alone.
  void Draw(HDC dc, const RECT& dest, POINT source = POINT{0, 0}) const;
  // The whole picture with its top-left corner at (x, y).
  void DrawAt(HDC dc, int x, int y) const { Draw(dc, RECT{x, y, x + width_, y + height_}); }

 private:
  Bitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  bool opaque_ = false;
};

// A picture that fills its window: the GDI+ source is kept so that a window
// of another size gets it stretched again, once, not at every paint.
class FittedPicture {
 public:
  // Takes source and prepares it at width x height.
  void Set(GdiPlusImage source, int width, int height);
  // Prepares the picture again when the window's size changed.
  void Fit(int width, int height);
  const GdiPicture& Picture() const { return picture_; }
  explicit operator bool() const { return static_cast<bool>(picture_); }

 private:
  GdiPlusImage source_;
  GdiPicture picture_;
};

}  // namespace zk40
