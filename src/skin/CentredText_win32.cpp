#include "skin/CentredText_win32.h"

#include "platform/WideText_win32.h"

namespace zk40 {

void DrawCentredWrappedText(HDC dc, const std::u16string& text, RECT box) {
  constexpr UINT kFormat = DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS | DT_NOPREFIX;
  RECT measured = box;
  DrawTextW(dc, Wide(text), -1, &measured, kFormat | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  box.top += ((box.bottom - box.top) - height) / 2;
  box.bottom = box.top + height;
  DrawTextW(dc, Wide(text), -1, &box, kFormat);
}

}  // namespace zk40
