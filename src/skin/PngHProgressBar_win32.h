#pragma once
// CPngHProgressBar: a horizontal bar that fills from left to right, drawn
// from an empty and a full picture of its size. An interactive bar that is
// not read-only can be dragged; it posts 1104 (value, id) when the drag ends.

#include "framework/Wnd.h"
#include "skin/GdiPicture_win32.h"
#include "skin/SliderMath.h"

namespace zk40 {

class CPngHProgressBar : public CWnd {
 public:
  struct CreateArgs {
    RECT rect{0, 0, 0, 0};  // in the parent
    const CWnd* parent = nullptr;
    UINT id = 0;
  };

  // Range 0 to 10, value 0, interactive; a visible child with a tab stop.
  bool Create(const CreateArgs& args);
  // Clones rect of both page pictures; either may be absent (null or empty).
  void SetPictures(const skin::Rect& rect, const GdiPlusImage* empty, const GdiPlusImage* full);
  void SetRange(int minimum, int maximum);
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // Outside the range the value becomes the minimum; repaints at once.
  void SetPosition(int value);
  int Position() const { return value_; }

 protected:
  bool OnSize(UINT type, int width, int height) override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnKillFocus(HWND next) override;
  bool OnCaptureChanged(HWND gaining) override;

 private:
  int ValueAt(POINT client) const;

  UINT id_ = 0;
  RECT rect_{0, 0, 0, 0};
  skin::ValueRange range_{0, 10};
  int value_ = 0;
  bool read_only_ = false;
  bool interactive_ = true;
  bool dragging_ = false;
  FittedPicture empty_;  // fills the bar
  GdiPicture full_;      // drawn one to one, as far as the value reaches
};

}  // namespace zk40
