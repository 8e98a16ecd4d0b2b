#pragma once
// One line or block of text drawn with GDI+ into a layout box, in a named
// font face. A face GDI+ does not know (Wine knows few of the dialog faces)
// falls back to the system's generic sans-serif face, so the text still shows.

#include <string>
#include <string_view>

#include "skin/GdiPlus_win32.h"

namespace zk40 {

struct GdiPlusTextStyle {
  std::u16string_view face;  // empty: the generic sans-serif face
  float points = 9.0f;
  ARGB colour = 0xFF000000;
};

// Draws text near-aligned (left, top) in box. False when GDI+ could make
// no font at all, so the caller can draw with GDI instead.
bool DrawGdiPlusText(HDC dc, std::u16string_view text, const Gdiplus::RectF& box, const GdiPlusTextStyle& style);

}  // namespace zk40
