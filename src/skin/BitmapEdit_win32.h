#pragma once
// CBitmapEdit: a single-line edit field that shows the page background
// behind its text: its background brush is a pattern made from the page
// picture under it.

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "skin/Geometry.h"
#include "skin/PictureLoading_win32.h"

namespace zk40 {

class CBitmapEdit : public CEdit {
 public:
  static constexpr COLORREF kTextColour = RGB(88, 95, 103);
  static constexpr int kTextLimit = 256;

  // Clones rect of the page's GDI+ picture and makes the background brush
  // of it; the previous clone is freed.
  void SetBackground(const skin::Rect& rect, const GdiPlusImage& page);
  HBRUSH BackgroundBrush() const { return background_.brush.get(); }

 protected:
  // Limits the text, sets the field's font and drops border and tab stop.
  void OnSubclassed() override;
  HBRUSH OnReflectedCtlColor(HDC dc, UINT message) override;

 private:
  ClonedPattern background_;
  Font font_;
};

}  // namespace zk40
