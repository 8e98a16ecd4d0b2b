#include "skin/GdiPlus_win32.h"

#include <mutex>

namespace zk40 {
namespace {

std::mutex g_session_mutex;
int g_sessions = 0;
ULONG_PTR g_token = 0;

}  // namespace

GdiPlusSession::GdiPlusSession() {
  std::lock_guard lock(g_session_mutex);
  if (g_sessions == 0) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&g_token, &input, nullptr) != Gdiplus::Ok) return;
  }
  ++g_sessions;
  started_ = true;
}

GdiPlusSession::~GdiPlusSession() {
  if (!started_) return;
  std::lock_guard lock(g_session_mutex);
  if (--g_sessions == 0) Gdiplus::GdiplusShutdown(g_token);
}

bool GdiPlusSession::Running() {
  std::lock_guard lock(g_session_mutex);
  return g_sessions > 0;
}

GdiPlusImage::GdiPlusImage(GpImage* image) : image_(image) {
  if (!image_) return;
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  gdip::GdipGetImageType(image_, &type);
  is_bitmap_ = type == Gdiplus::ImageTypeBitmap;
  UINT width = 0, height = 0;
  gdip::GdipGetImageWidth(image_, &width);
  gdip::GdipGetImageHeight(image_, &height);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
}

GdiPlusImage& GdiPlusImage::operator=(GdiPlusImage&& other) noexcept {
  if (this != &other) {
    Reset();
    image_ = std::exchange(other.image_, nullptr);
    is_bitmap_ = std::exchange(other.is_bitmap_, false);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

void GdiPlusImage::Reset() {
  if (image_) gdip::GdipDisposeImage(image_);
  image_ = nullptr;
  is_bitmap_ = false;
  width_ = height_ = 0;
}

GdiPlusGraphics::GdiPlusGraphics(HDC dc) {
  if (gdip::GdipCreateFromHDC(dc, &graphics_) != Gdiplus::Ok) graphics_ = nullptr;
}

GdiPlusGraphics::~GdiPlusGraphics() {
  if (graphics_) gdip::GdipDeleteGraphics(graphics_);
}

void DrawImageAt(GpGraphics* graphics, const GdiPlusImage& image, int x, int y) {
  if (!graphics || !image) return;
  gdip::GdipDrawImageRectI(graphics, image.get(), x, y, image.Width(), image.Height());
}

}  // namespace zk40
