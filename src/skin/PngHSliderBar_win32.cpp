#include "skin/PngHSliderBar_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinButton_win32.h"

namespace zk40 {

bool CPngHSliderBar::Init(const InitArgs& args) {
  id_ = args.id;
  thumb_path_ = args.thumb_path;
  return CWnd::Create(ChildWindowArgs(args.rect, args.page, args.id, WS_VISIBLE | WS_CLIPCHILDREN));
}

bool CPngHSliderBar::OnCreate(const CREATESTRUCTW& create) {
  CPngHSlider::CreateArgs thumb;
  thumb.png_path = thumb_path_;
  thumb.x_min = 0;
  thumb.x_max = create.cx;
  thumb.bottom = create.cy;
  thumb.parent = this;
  thumb.id = id_;
  thumb.shaped = true;
  thumb_.Create(thumb);
  thumb_size_ = SIZE{thumb_.Width(), thumb_.Height()};
  // Below the thumb's first range of 1 to 10: the thumb goes to its minimum place.
  thumb_.SetPosition(0);
  thumb_.Enable(true);
  return false;
}

void CPngHSliderBar::SetRange(int minimum, int maximum) {
  range_ = {minimum, maximum};
  thumb_.SetRange(minimum, maximum);
}

void CPngHSliderBar::SetBackground(const skin::Rect& rect, const GdiPlusImage& page) {
  const RECT client = GetClientRect();
  background_.Set(CloneRectangle(page, rect), client.right, client.bottom);
  if (m_hWnd) Invalidate();
}

void CPngHSliderBar::SetPosition(int value) {
  // The track does not change with the value: moving the thumb repaints what
  // it uncovers, and an unmoved thumb needs no paint at all.
  thumb_.SetPosition(value);
}

void CPngHSliderBar::Enable(bool enable) {
  disabled_ = !enable;
  thumb_.Lock(!enable);
}

void CPngHSliderBar::DrawBackground(HDC dc) const { background_.Picture().DrawAt(dc, 0, 0); }

bool CPngHSliderBar::OnSize(UINT, int width, int height) {
  background_.Fit(width, height);
  return false;
}

bool CPngHSliderBar::OnPaint() {
  BufferedPaint paint(m_hWnd);
  DrawBackground(paint.get());
  return true;
}

bool CPngHSliderBar::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The thumb asks for what lies under it.
  if (msg == WM_PRINTCLIENT) {
    DrawBackground(reinterpret_cast<HDC>(wp));
    return true;
  }
  return CWnd::OnMessage(msg, wp, lp, result);
}

bool CPngHSliderBar::OnMouseMove(UINT flags, POINT point) {
  // The page shows the slider's hint.
  PassMouseMoveToParent(m_hWnd, flags, point);
  return true;
}

bool CPngHSliderBar::OnLButtonDown(UINT, POINT point) {
  if (disabled_) return true;
  HWND page = GetParent();
  ::MapWindowPoints(m_hWnd, page, &point, 1);
  const int value = skin::TrackClickValue(point.x - track_.left, track_.right - track_.left, range_);
  thumb_.SetPosition(value);
  if (page) ::PostMessageW(page, msg::kSliderMoved, static_cast<WPARAM>(value), static_cast<LPARAM>(id_));
  return true;
}

bool CPngHSliderBar::OnUserMessage(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg != msg::kSliderMoved) return false;
  if (HWND page = GetParent()) ::PostMessageW(page, msg::kSliderMoved, wp, static_cast<LPARAM>(id_));
  return true;
}

}  // namespace zk40
