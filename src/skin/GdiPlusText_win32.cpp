#include "skin/GdiPlusText_win32.h"

namespace zk40 {
namespace {

Gdiplus::GpFontFamily* FindFamily(std::u16string_view face) {
  Gdiplus::GpFontFamily* family = nullptr;
  if (!face.empty()) {
    const std::u16string name(face);
    if (gdip::GdipCreateFontFamilyFromName(reinterpret_cast<const WCHAR*>(name.c_str()), nullptr, &family) ==
        Gdiplus::Ok) {
      return family;
    }
    family = nullptr;
  }
  if (gdip::GdipGetGenericFontFamilySansSerif(&family) != Gdiplus::Ok) return nullptr;
  return family;
}

}  // namespace

bool DrawGdiPlusText(HDC dc, std::u16string_view text, const Gdiplus::RectF& box, const GdiPlusTextStyle& style) {
  GdiPlusGraphics graphics(dc);
  if (!graphics) return false;
  Gdiplus::GpFontFamily* family = FindFamily(style.face);
  if (!family) return false;
  Gdiplus::GpFont* font = nullptr;
  Gdiplus::GpStringFormat* format = nullptr;
  Gdiplus::GpSolidFill* brush = nullptr;
  bool drawn = false;
  if (gdip::GdipCreateFont(family, style.points, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint, &font) ==
          Gdiplus::Ok &&
      gdip::GdipCreateStringFormat(0, LANG_NEUTRAL, &format) == Gdiplus::Ok &&
      gdip::GdipSetStringFormatAlign(format, Gdiplus::StringAlignmentNear) == Gdiplus::Ok &&
      gdip::GdipCreateSolidFill(style.colour, &brush) == Gdiplus::Ok) {
    drawn = gdip::GdipDrawString(graphics.get(), reinterpret_cast<const WCHAR*>(text.data()),
                                 static_cast<INT>(text.size()), font, &box, format, brush) == Gdiplus::Ok;
  }
  if (brush) gdip::GdipDeleteBrush(brush);
  if (format) gdip::GdipDeleteStringFormat(format);
  if (font) gdip::GdipDeleteFont(font);
  gdip::GdipDeleteFontFamily(family);
  return drawn;
}

}  // namespace zk40
