#include "skin/PngHSlider_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinButton_win32.h"

namespace zk40 {

bool CPngHSlider::Create(const CreateArgs& args) {
  range_ = {1, 10};
  enabled_ = true;
  const GdiPlusImage loaded = LoadPngFile(args.png_path);
  picture_ = GdiPicture(loaded);
  x_min_ = args.x_min;
  x_max_ = args.x_max;
  bottom_ = args.bottom;
  id_ = args.id;
  const RECT rect{x_min_, bottom_ - Height(), x_min_ + Width(), bottom_};
  if (!CWnd::Create(ChildWindowArgs(rect, args.parent, args.id))) return false;
  if (args.shaped) {
    Region outline = OutlineRegion(loaded);
    if (outline) {
      HRGN taken = outline.Release();
      if (!SetWindowRgn(m_hWnd, taken, TRUE)) DeleteObject(taken);  // on success the window owns it
    }
  }
  return true;
}

void CPngHSlider::SetRange(int minimum, int maximum) { range_ = {minimum, maximum}; }

void CPngHSlider::SetPosition(int value) {
  value_ = skin::InRangeOrMinimum(value, range_);
  const int x = skin::ThumbLeft(value_, range_, x_min_, x_max_, Width());
  if (m_hWnd) MoveWindow(x, bottom_ - Height(), Width(), Height());
}

bool CPngHSlider::OnPaint() {
  BufferedPaint paint(m_hWnd);
  // What lies under the thumb first, so the picture's soft edges blend with it.
  DrawParentBackground(m_hWnd, paint.get());
  picture_.DrawAt(paint.get(), 0, 0);
  return true;
}

bool CPngHSlider::OnLButtonDown(UINT, POINT point) {
  if (!enabled_) return true;
  ::SetCapture(m_hWnd);
  dragging_ = true;
  press_ = point;
  return true;
}

bool CPngHSlider::OnMouseMove(UINT flags, POINT point) {
  // A hovering move goes on to the bar, and from there to the page, which shows the slider's hint.
  if (!dragging_) PassMouseMoveToParent(m_hWnd, flags, point);
  if (!dragging_ || locked_) return true;
  HWND parent = GetParent();
  RECT r = GetWindowRect();
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  // Measured from the press point, which moves with the thumb.
  const int left = skin::DraggedThumbLeft(r.left, r.right, point.x - press_.x, x_min_, x_max_);
  SetPosition(skin::ThumbValue(left, range_, x_min_, x_max_, Width()));
  if (parent) ::PostMessageW(parent, msg::kSliderMoved, static_cast<WPARAM>(value_), static_cast<LPARAM>(id_));
  return true;
}

bool CPngHSlider::OnLButtonUp(UINT, POINT) {
  dragging_ = false;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  return true;
}

bool CPngHSlider::OnCaptureChanged(HWND gaining) {
  if (gaining != m_hWnd) dragging_ = false;
  return false;
}

}  // namespace zk40
