#pragma once
// CPngHSliderBar: a horizontal slider made of a track, a piece of the page
// background, and a CPngHSlider thumb. A click on the track sets the value
// under the click (with the top value snapped to on short ranges); dragging
// the thumb sets the value under it. Both post 2048 (value, bar id) to the
// page. Mouse moves over the bar and its thumb go on to the page, for hints.

#include <string>

#include "framework/Wnd.h"
#include "skin/GdiPicture_win32.h"
#include "skin/PngHSlider_win32.h"
#include "skin/SliderMath.h"

namespace zk40 {

class CPngHSliderBar : public CWnd {
 public:
  struct InitArgs {
    std::u16string thumb_path;
    RECT rect{0, 0, 0, 0};  // in the page
    const CWnd* page = nullptr;
    UINT id = 0;            // the lParam of its messages
  };

  // Creates the bar as a visible child of the page, with its thumb at the
  // minimum place.
  bool Init(const InitArgs& args);
  // The part of the bar that takes clicks, in page coordinates.
  void SetTrack(const RECT& track) { track_ = track; }
  void SetRange(int minimum, int maximum);
  // Clones rect of the page's GDI+ picture as the bar's background.
  void SetBackground(const skin::Rect& rect, const GdiPlusImage& page);
  void SetPosition(int value);
  int Position() const { return thumb_.Position(); }
  // False ignores clicks and locks the thumb.
  void Enable(bool enable);
  bool Enabled() const { return !disabled_; }
  CPngHSlider& Thumb() { return thumb_; }
  SIZE ThumbSize() const { return thumb_size_; }

 protected:
  bool OnCreate(const CREATESTRUCTW& create) override;
  bool OnSize(UINT type, int width, int height) override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void DrawBackground(HDC dc) const;

  UINT id_ = 0;
  std::u16string thumb_path_;
  SIZE thumb_size_{0, 0};
  RECT track_{0, 0, 0, 0};
  skin::ValueRange range_{0, 10};
  bool disabled_ = false;
  FittedPicture background_;
  CPngHSlider thumb_;
};

}  // namespace zk40
