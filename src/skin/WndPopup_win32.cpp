#include "skin/WndPopup_win32.h"

#include <algorithm>
#include <span>
#include <vector>

#include "skin/PictureLoading_win32.h"
#include "skin/PixelPasses.h"
#include "skin/layout/PopupMenuLayout.h"

namespace zk40 {
namespace {

namespace popup = layout::popup;
using skin::Argb;

constexpr UINT kHoverMilliseconds = 50;

Argb Opaque(layout::Rgb c) {
  return 0xFF000000u | static_cast<Argb>(c.r) << 16 | static_cast<Argb>(c.g) << 8 | static_cast<Argb>(c.b);
}

// The frame drawn when there is no frame picture: the accent colour with
// white one pixel inside it.
void FillPlainFrame(std::span<Argb> pixels, int width, int height) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      pixels[static_cast<std::size_t>(y * width + x)] = Opaque(edge ? popup::kAccent : popup::kFallbackInside);
    }
  }
}

// A 32-bit top-down DIB section selected into a memory DC, for GDI drawing
// with direct access to its pixels.
class DibLayer {
 public:
  DibLayer(int width, int height) : dc_(nullptr) {
    const BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits || !dc_.get()) return;
    pixels_ = {static_cast<Argb*>(bits), static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
    old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~DibLayer() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  DibLayer(const DibLayer&) = delete;
  DibLayer& operator=(const DibLayer&) = delete;

  explicit operator bool() const { return old_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  // GDI may still be drawing into the pixels until flushed.
  std::span<Argb> Pixels() const {
    GdiFlush();
    return pixels_;
  }

 private:
  MemoryDC dc_;
  Bitmap bitmap_;
  std::span<Argb> pixels_;
  HGDIOBJ old_ = nullptr;
};

// Runs draw with GDI+ graphics on the pixels (premultiplied), then takes
// the result back; the pixels stay as they were when GDI+ is not available.
template <typename DrawFunction>
void DrawWithGdiPlus(std::span<Argb> pixels, int width, int height, DrawFunction draw) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &bitmap) != Gdiplus::Ok) {
    return;
  }
  GdiPlusImage owner(bitmap);
  if (!CopyPremultipliedPixels(bitmap, width, height, pixels, true)) return;
  GpGraphics* graphics = nullptr;
  if (gdip::GdipGetImageGraphicsContext(bitmap, &graphics) != Gdiplus::Ok) return;
  draw(graphics);
  gdip::GdipDeleteGraphics(graphics);
  CopyPremultipliedPixels(bitmap, width, height, pixels, false);
}

}  // namespace

bool CWndPopup::Create(HWND parent, const RECT& rect, UINT notify_message) {
  parent_ = parent;
  notify_message_ = notify_message;
  position_ = POINT{rect.left, rect.top};
  size_ = SIZE{rect.right - rect.left, rect.bottom - rect.top};
  WindowCreateArgs args;
  args.style = WS_POPUP;
  args.ex_style = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  args.rect = rect;
  args.parent = parent;
  return CWnd::Create(args);
}

void CWndPopup::SetFramePicture(UINT png_resource_id, HMODULE module) {
  frame_ = LoadPngResource(png_resource_id, module);
}

bool CWndPopup::Notify(UINT message, WPARAM wp, LPARAM lp) const {
  if (!parent_ || !IsWindow(parent_)) return false;
  ::SendMessageW(parent_, message, wp, lp);
  return true;
}

void CWndPopup::SetClientSize(int width, int height) {
  size_ = SIZE{width, height};
  if (m_hWnd) SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWndPopup::OnCreate(const CREATESTRUCTW&) {
  font_.Reset(CreateFontW(12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial"));
  SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) & ~WS_CAPTION);
  SetWindowLongW(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  FillItems();
  Draw();
  SetWindowPos(m_hWnd, HWND_TOPMOST, position_.x, position_.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  return false;
}

void CWndPopup::Draw() {
  const int width = size_.cx, height = size_.cy;
  if (!m_hWnd || width <= 0 || height <= 0) return;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<Argb> pixels(count, 0);

  // The frame, under everything.
  if (frame_) {
    DrawWithGdiPlus(pixels, width, height, [&](GpGraphics* graphics) {
      DrawNineSlice(graphics, frame_, skin::Rect{0, 0, width, height},
                    skin::Rect{0, 0, frame_.Width(), frame_.Height()}, popup::kFrameCorner);
    });
  } else {
    FillPlainFrame(pixels, width, height);
  }

  // The content, drawn with GDI on magenta; what stays magenta is not there.
  DibLayer content(width, height);
  if (content) {
    std::span<Argb> layer = content.Pixels();
    std::fill(layer.begin(), layer.end(), skin::kMagenta);
    DrawContent(content.dc());
    layer = content.Pixels();
    skin::KeyOutMagenta(layer);
    skin::BlendOver(pixels, layer);
  }

  DrawWithGdiPlus(pixels, width, height, [this](GpGraphics* graphics) { DrawPictures(graphics); });
  skin::MakeBlackVisible(pixels, frame_ ? skin::AlphaMeaning::premultiplied : skin::AlphaMeaning::ignored);

  DibLayer final_layer(width, height);
  if (!final_layer) return;
  std::span<Argb> out = final_layer.Pixels();
  std::copy(pixels.begin(), pixels.end(), out.begin());
  SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  RECT window = GetWindowRect();
  POINT at{window.left, window.top};
  SIZE size{width, height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  WindowDC screen(nullptr);
  UpdateLayeredWindow(m_hWnd, screen.get(), &at, &size, final_layer.dc(), &origin, RGB(0, 0, 0), &blend,
                      frame_ ? ULW_ALPHA : ULW_COLORKEY);
}

POINT CWndPopup::CursorInClient() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(m_hWnd, &cursor);
  return cursor;
}

bool CWndPopup::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_NCCALCSIZE:
      result = 0;  // no border: the whole window is client area
      return true;
    case WM_NCHITTEST:
      result = HTCLIENT;
      return true;
    case WM_MOUSEHOVER:
      if (MouseMoved(CursorInClient())) Draw();
      return true;
    case WM_ACTIVATE:
      // A click anywhere else takes the activation away and closes the popup.
      if (LOWORD(wp) == WA_INACTIVE) PostMessage(WM_CLOSE);
      return false;
    default:
      return CWnd::OnMessage(msg, wp, lp, result);
  }
}

bool CWndPopup::OnMouseMove(UINT, POINT point) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, kHoverMilliseconds};
    tracking_ = TrackMouseEvent(&track) != 0;
  }
  if (!pressed_ && MouseMoved(point)) Draw();
  return true;
}

bool CWndPopup::OnMouseLeave() {
  tracking_ = false;
  if (!pressed_ && MouseMoved(CursorInClient())) Draw();
  return true;
}

bool CWndPopup::OnLButtonDown(UINT, POINT point) {
  pressed_ = true;
  SetCapture(m_hWnd);
  capturing_ = true;
  if (ButtonPressed(point)) Draw();
  return true;
}

bool CWndPopup::OnLButtonUp(UINT, POINT point) {
  if (capturing_) {
    capturing_ = false;
    ReleaseCapture();
  }
  pressed_ = false;
  // The parent may close the popup while it is told of a choice.
  if (ButtonReleased(point) && m_hWnd) Draw();
  return true;
}

bool CWndPopup::OnClose() {
  if (closing_) return true;
  closing_ = true;
  Notify(notify_message_, 0, 0);
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  return true;
}

}  // namespace zk40
