#pragma once
// A page of the control gallery: the page's three skin pictures, its Normal
// picture painted as background, and skinned controls placed on it at the
// layout tables' rectangles, cut from the same pictures.

#include <memory>
#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "framework/OwnedControls.h"
#include "skin/BitmapEdit_win32.h"
#include "skin/ColorBtn_win32.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/IrrButton_win32.h"
#include "skin/PagePictures_win32.h"
#include "skin/PngHProgressBar_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40::gallery {

class CGalleryPage final : public CWnd {
 public:
  // A popup at the top-left of the screen when parent is null, else a child.
  bool Open(const CWnd* parent, const layout::Rect& rect, PagePictures pictures);

  CGDIBitmapBtn& AddButton(const layout::Rect& rect, bool latched = false);
  // Its looks come from CutIrregularPictures, given for all of a page's at once.
  CIrrButton& AddIrregular(const layout::Quad& outline, bool latched);
  CPngHSliderBar& AddSlider(const layout::Rect& rect, const std::u16string& thumb, UINT id, layout::Point range,
                            int position, int track_inset);
  CBitmapEdit& AddEdit(const layout::Rect& rect, const std::u16string& text);
  CColorBtn& AddSwatch(const layout::Rect& rect, std::uint32_t colour);
  CPngHProgressBar& AddProgress(const layout::Rect& rect, const GdiPlusImage& empty, const GdiPlusImage& full,
                                int percent);
  // A right click closes the page, and its end ends the program's message loop.
  void EndProgramWithPage() { ends_program_ = true; }

 protected:
  bool OnEraseBkgnd(HDC dc) override;
  bool OnRButtonUp(UINT flags, POINT point) override;
  void OnDestroy() override;

 private:
  template <typename Control>
  Control& Keep() {
    return controls_.Make<Control>();
  }

  PagePictures pictures_;
  bool ends_program_ = false;
  OwnedControls controls_;
};

}  // namespace zk40::gallery
