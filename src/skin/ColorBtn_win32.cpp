#include "skin/ColorBtn_win32.h"

#include "framework/BufferedPaint.h"
#include "skin/GdiPlus_win32.h"

namespace zk40 {

void CColorBtn::SetColour(COLORREF colour) {
  colour_ = colour;
  if (m_hWnd) Invalidate();
}

bool CColorBtn::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  BufferedDC dc(item.hDC, r);
  GdiPlusGraphics graphics(dc.get());
  Gdiplus::GpSolidFill* brush = nullptr;
  const ARGB opaque = 0xFF000000u | (GetRValue(colour_) << 16) | (GetGValue(colour_) << 8) | GetBValue(colour_);
  if (graphics && gdip::GdipCreateSolidFill(opaque, &brush) == Gdiplus::Ok) {
    gdip::GdipFillRectangleI(graphics.get(), brush, r.left, r.top, r.right - r.left, r.bottom - r.top);
    gdip::GdipDeleteBrush(brush);
  }
  return true;
}

}  // namespace zk40
