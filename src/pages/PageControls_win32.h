#pragma once
// Skinned controls of a main-window page, made at the page's own rectangles
// and cut from its three pictures. The controls live as long as the page's
// OwnedControls.

#include <functional>
#include <string>

#include "framework/OwnedControls.h"
#include "skin/BitmapEdit_win32.h"
#include "skin/ColorBtn_win32.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/PagePictures_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40 {

class PageControls {
 public:
  PageControls(CWnd& page, const PagePictures& pictures, OwnedControls& owned)
      : page_(page), pictures_(pictures), owned_(owned) {}

  // A push button; on_click may be empty.
  CGDIBitmapBtn& Button(const layout::Rect& rect, std::function<void()> on_click);
  // A button that shows itself pressed while latched (the option buttons,
  // swatches and trophies).
  CGDIBitmapBtn& LatchingButton(const layout::Rect& rect, std::function<void()> on_click);
  // A slider bar posting 2048 with id; clicks count on its rectangle less
  // trackRightInset pixels on the right.
  CPngHSliderBar& Slider(const layout::Rect& rect, const std::u16string& thumbPath, int id, int minimum, int maximum,
                         int trackRightInset);
  // A read-only number field showing the page behind its digits.
  CBitmapEdit& NumberField(const layout::Rect& rect, int id);
  CColorBtn& ColourSwatch(const layout::Rect& rect);

 private:
  CWnd& page_;
  const PagePictures& pictures_;
  OwnedControls& owned_;
};

}  // namespace zk40
