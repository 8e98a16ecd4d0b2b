#pragma once
// GDI+ through its flat interface: the process's GDI+ session and owners of
// GDI+ images and drawing surfaces.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace zk40 {

namespace gdip = Gdiplus::DllExports;
using Gdiplus::GpBitmap;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::ARGB;

// GDI+ is started once per process: the first session starts it, the last
// one to end shuts it down. The application object holds one for the
// program's lifetime; every GDI+ picture lives inside it.
class GdiPlusSession {
 public:
  GdiPlusSession();
  ~GdiPlusSession();
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;
  [[nodiscard]] bool Started() const { return started_; }
  [[nodiscard]] static bool Running();

 private:
  bool started_ = false;
};

// One GDI+ image (a bitmap, as every picture of the skin is), disposed once.
class GdiPlusImage {
 public:
  GdiPlusImage() = default;
  explicit GdiPlusImage(GpImage* image);
  ~GdiPlusImage() { Reset(); }
  GdiPlusImage(GdiPlusImage&& other) noexcept { *this = std::move(other); }
  GdiPlusImage& operator=(GdiPlusImage&& other) noexcept;
  GdiPlusImage(const GdiPlusImage&) = delete;
  GdiPlusImage& operator=(const GdiPlusImage&) = delete;

  GpImage* get() const { return image_; }
  // The image as a bitmap; null when empty or when it is not a bitmap.
  GpBitmap* AsBitmap() const { return is_bitmap_ ? static_cast<GpBitmap*>(image_) : nullptr; }
  explicit operator bool() const { return image_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Reset();

 private:
  GpImage* image_ = nullptr;
  bool is_bitmap_ = false;
  int width_ = 0;
  int height_ = 0;
};

// A GDI+ drawing surface on a device context, for the scope.
class GdiPlusGraphics {
 public:
  explicit GdiPlusGraphics(HDC dc);
  ~GdiPlusGraphics();
  GdiPlusGraphics(const GdiPlusGraphics&) = delete;
  GdiPlusGraphics& operator=(const GdiPlusGraphics&) = delete;
  GpGraphics* get() const { return graphics_; }
  explicit operator bool() const { return graphics_ != nullptr; }

 private:
  GpGraphics* graphics_ = nullptr;
};

// Draws image unscaled with its top-left corner at (x, y), alpha respected.
void DrawImageAt(GpGraphics* graphics, const GdiPlusImage& image, int x, int y);

}  // namespace zk40
