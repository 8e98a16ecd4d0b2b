#pragma once
// CSkinScrollBar: a scroll bar drawn from one skin picture of 9 x 3 square
// cells (arrows, thumb and track of both directions in normal, hover and
// pressed looks, and the corner box). It is the platform's scroll-bar control
// with every message that draws or takes input handled here: it keeps its
// own scroll state, answers the set/get scroll-information requests from it
// and tells its parent about presses, repeats and drags with WM_VSCROLL or
// WM_HSCROLL, as a standard bar does.

#include "framework/Controls.h"
#include "skin/ScrollBarMath.h"

namespace zk40 {

class CSkinScrollBar : public CWnd {
 public:
  struct CreateArgs : ControlCreateArgs {
    bool vertical = true;
  };
  bool Create(const CreateArgs& args);

  // The skin picture (not owned; it must outlive the bar). The cell size is
  // its width / 9 and the bar becomes one cell thick, keeping its place and length.
  void SetSkin(HBITMAP skin);
  int Cell() const { return cell_; }
  bool IsVertical() const { return vertical_; }

  skin::ScrollValues Values() const { return values_; }
  // Takes the values as given; redraw repaints the track and the thumb.
  void SetValues(const skin::ScrollValues& values, bool redraw);
  bool IsDragging() const { return dragging_; }
  // Where the thumb is while a drag runs, else -1.
  int DragPosition() const { return dragging_ ? drag_position_ : -1; }

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnLButtonDblClk(UINT, POINT) override { return true; }
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnMouseLeave() override;
  bool OnTimer(UINT_PTR id) override;
  bool OnCaptureChanged(HWND gaining) override;
  bool OnSize(UINT, int, int) override;

 private:
  skin::ScrollBarLayout Layout() const;
  skin::ScrollPart PartAt(POINT point) const;
  int Along(POINT point) const { return vertical_ ? point.y : point.x; }
  void Notify(int code, int position = 0) const;
  void Redraw() const;
  void Draw(HDC dc) const;
  void DrawPart(HDC dc, HDC skin_dc, const skin::ScrollBarLayout& layout, skin::ScrollPart part) const;
  skin::ScrollLook LookOf(skin::ScrollPart part) const;
  // Ends a press or a drag: on release, and when another window takes the capture.
  void EndPress(POINT point);

  HBITMAP skin_ = nullptr;
  int cell_ = 0;
  bool vertical_ = true;
  skin::ScrollValues values_;
  skin::ScrollPart pressed_ = skin::ScrollPart::none;
  bool repeating_ = false;
  bool cursor_left_ = false;
  skin::ScrollPart hovered_ = skin::ScrollPart::none;
  bool dragging_ = false;
  int press_along_ = 0;
  int press_position_ = 0;
  int drag_position_ = -1;
  bool tracking_leave_ = false;
  bool capturing_ = false;
};

}  // namespace zk40
