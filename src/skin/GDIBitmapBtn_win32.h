#pragma once
// CGDIBitmapBtn: the ordinary skinned push button. Its four pictures are cut
// from the page's Normal, Over and Down pictures at the button's rectangle,
// so the button and the page around it always match. It can latch (show
// itself pressed while latched), flip latched on each press, and report
// press and release to its parent with message 1805.

#include <array>
#include <string>

#include "framework/Gdi.h"
#include "skin/ButtonLook.h"
#include "skin/SkinButton_win32.h"

namespace zk40 {

class CGDIBitmapBtn : public CSkinButton {
 public:
  struct TextColours {
    COLORREF normal = RGB(189, 189, 200);
    COLORREF over = RGB(255, 255, 255);
    COLORREF pressed = RGB(38, 29, 5);
  };
  static constexpr COLORREF kDisabledText = RGB(38, 42, 39);

  // Cuts rect (page coordinates) out of each page picture; pages pass their
  // Normal picture for both normal and disabled. Drops the border and
  // tab-stop styles.
  void SetStatePictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled);
  // Takes four ready pictures of the button's size instead.
  void SetPictures(Bitmap normal, Bitmap over, Bitmap down, Bitmap disabled);
  void SetCaption(const std::u16string& caption);
  void SetTextColours(const TextColours& colours) { colours_ = colours; }
  void SetLatched(bool latched);
  bool GetLatched() const { return latched_; }
  void SetToggleMode(bool show_latched, bool toggle_on_click);

  // Also post 1805 to the parent on press (513) and release (514).
  bool notify_press = false;

 protected:
  bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  void OnHoverRepaint() override { Invalidate(); }

 private:
  void NotifyPress(WPARAM what) const;

  std::array<Bitmap, 4> pictures_;  // by skin::ButtonLook
  std::u16string caption_;
  TextColours colours_;
  bool latched_ = false;
  bool show_latched_ = false;
  bool toggle_on_click_ = false;
};

}  // namespace zk40
