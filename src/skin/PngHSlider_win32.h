#pragma once
// CPngHSlider: the thumb of a picture slider, a small window of the shape of
// its PNG picture that the user drags along a line. It moves in steps, one
// per value, and posts 2048 (value, id) to its parent for each move of a drag.

#include <string>

#include "framework/Wnd.h"
#include "skin/GdiPicture_win32.h"
#include "skin/SliderMath.h"

namespace zk40 {

class CPngHSlider : public CWnd {
 public:
  struct CreateArgs {
    std::u16string png_path;
    int x_min = 0;   // the thumb's window stays between x_min and x_max
    int x_max = 0;   // (parent coordinates)
    int bottom = 0;  // the thumb sits on this line
    const CWnd* parent = nullptr;
    UINT id = 0;
    bool shaped = true;  // the window takes the outline of the picture
  };

  // Range 1 to 10, enabled; a visible child at (x_min, bottom - height).
  bool Create(const CreateArgs& args);
  void SetRange(int minimum, int maximum);
  // Outside the range the value becomes the minimum.
  void SetPosition(int value);
  int Position() const { return value_; }
  // While disabled a press does not start a drag.
  void Enable(bool enable) { enabled_ = enable; }
  // While locked a drag does not move the thumb.
  void Lock(bool locked) { locked_ = locked; }
  bool Dragging() const { return dragging_; }
  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }

 protected:
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnCaptureChanged(HWND gaining) override;

 private:
  GdiPicture picture_;
  skin::ValueRange range_{1, 10};
  int value_ = 1;
  int x_min_ = 0;
  int x_max_ = 0;
  int bottom_ = 0;
  UINT id_ = 0;
  bool enabled_ = true;
  bool locked_ = false;
  bool dragging_ = false;
  POINT press_{};
};

}  // namespace zk40
