#include "skin/PngHProgressBar_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"

namespace zk40 {

bool CPngHProgressBar::Create(const CreateArgs& args) {
  range_ = {0, 10};
  value_ = 0;
  interactive_ = true;
  id_ = args.id;
  rect_ = args.rect;
  return CWnd::Create(ChildWindowArgs(args.rect, args.parent, args.id, WS_VISIBLE | WS_TABSTOP));
}

void CPngHProgressBar::SetPictures(const skin::Rect& rect, const GdiPlusImage* empty, const GdiPlusImage* full) {
  const RECT client = GetClientRect();
  empty_.Set(empty ? CloneRectangle(*empty, rect) : GdiPlusImage(), client.right, client.bottom);
  full_ = full ? GdiPicture(CloneRectangle(*full, rect)) : GdiPicture();
  if (m_hWnd) Invalidate();
}

void CPngHProgressBar::SetRange(int minimum, int maximum) { range_ = {minimum, maximum}; }

void CPngHProgressBar::SetPosition(int value) {
  value_ = skin::InRangeOrMinimum(value, range_);
  if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool CPngHProgressBar::OnPaint() {
  BufferedPaint paint(m_hWnd);
  const RECT& client = paint.Client();
  empty_.Picture().DrawAt(paint.get(), 0, 0);
  const int fill = skin::ProgressFillWidth(client.right, value_, range_);
  if (fill > 0) full_.Draw(paint.get(), RECT{0, 0, fill, full_.Height()});
  return true;
}

bool CPngHProgressBar::OnSize(UINT, int width, int height) {
  empty_.Fit(width, height);
  return false;
}

int CPngHProgressBar::ValueAt(POINT client) const {
  ::MapWindowPoints(m_hWnd, GetParent(), &client, 1);
  RECT inParent = GetWindowRect();
  ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&inParent), 2);
  return skin::ProgressValueAt(client.x, inParent.left, inParent.right, range_);
}

bool CPngHProgressBar::OnLButtonDown(UINT, POINT) {
  if (!interactive_ || read_only_) return true;
  ::SetCapture(m_hWnd);
  dragging_ = true;
  return true;
}

bool CPngHProgressBar::OnMouseMove(UINT, POINT point) {
  if (!dragging_) return true;
  value_ = ValueAt(point);
  Invalidate();
  return true;
}

bool CPngHProgressBar::OnLButtonUp(UINT, POINT point) {
  if (!dragging_) return true;
  value_ = ValueAt(point);
  dragging_ = false;
  if (HWND parent = GetParent()) {
    ::PostMessageW(parent, msg::kProgressBarDragged, static_cast<WPARAM>(value_), static_cast<LPARAM>(id_));
  }
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  Invalidate();
  return true;
}

bool CPngHProgressBar::OnKillFocus(HWND) {
  dragging_ = false;
  return false;
}

bool CPngHProgressBar::OnCaptureChanged(HWND gaining) {
  if (gaining != m_hWnd) dragging_ = false;
  return false;
}

}  // namespace zk40
