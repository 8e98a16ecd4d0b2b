#include "skin/GdiPicture_win32.h"

#include <algorithm>
#include <span>

#include "skin/PictureLoading_win32.h"

namespace zk40 {
namespace {

// image drawn by GDI+ into a new premultiplied bitmap of width x height.
GdiPlusImage Stretched(const GdiPlusImage& image, int width, int height) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &bitmap) != Gdiplus::Ok) {
    return {};
  }
  GdiPlusImage stretched(bitmap);
  GpGraphics* graphics = nullptr;
  if (gdip::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok) return {};
  gdip::GdipDrawImageRectI(graphics, image.get(), 0, 0, width, height);
  gdip::GdipDeleteGraphics(graphics);
  return stretched;
}

}  // namespace

GdiPicture::GdiPicture(const GdiPlusImage& image) {
  GpBitmap* source = image.AsBitmap();
  if (!source || image.Width() <= 0 || image.Height() <= 0) return;
  const BITMAPINFO info = TopDownBitmapInfo(image.Width(), image.Height());
  void* bits = nullptr;
  Bitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return;
  const std::span<skin::Argb> pixels(static_cast<skin::Argb*>(bits),
                                     static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()));
  if (!CopyPremultipliedPixels(source, image.Width(), image.Height(), pixels, false)) return;
  opaque_ = std::all_of(pixels.begin(), pixels.end(), [](skin::Argb p) { return (p >> 24) == 0xFF; });
  bitmap_ = std::move(section);
  width_ = image.Width();
  height_ = image.Height();
}

GdiPicture::GdiPicture(const GdiPlusImage& image, int width, int height) {
  const bool stretch = image && width > 0 && height > 0 && (image.Width() != width || image.Height() != height);
  *this = stretch ? GdiPicture(Stretched(image, width, height)) : GdiPicture(image);
}

void GdiPicture::Draw(HDC dc, const RECT& dest, POINT source) const {
  if (!bitmap_ || source.x < 0 || source.y < 0) return;
  const int width = std::min<int>(dest.right - dest.left, width_ - source.x);
  const int height = std::min<int>(dest.bottom - dest.top, height_ - source.y);
  if (width <= 0 || height <= 0) return;
  MemoryDC memory(dc);
  if (!memory.get()) return;
  SelectInDC select(memory.get(), bitmap_.get());
  if (opaque_) {
    BitBlt(dc, dest.left, dest.top, width, height, memory.get(), source.x, source.y, SRCCOPY);
    return;
  }
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, dest.left, dest.top, width, height, memory.get(), source.x, source.y, width, height, blend);
}

void FittedPicture::Set(GdiPlusImage source, int width, int height) {
  source_ = std::move(source);
  picture_ = GdiPicture(source_, width, height);
}

void FittedPicture::Fit(int width, int height) {
  if (!source_ || (picture_.Width() == width && picture_.Height() == height)) return;
  picture_ = GdiPicture(source_, width, height);
}

}  // namespace zk40
