#include "app/driver/HintLine_win32.h"

#include "framework/Gdi.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {

void DrawHintText(HDC dc, const std::u16string& text) {
  namespace main = layout::main_window;
  Font font(CreateFontW(14, 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg"));
  SelectInDC select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(main::kHintText.r, main::kHintText.g, main::kHintText.b));
  RECT rect{main::kHintLine.left, main::kHintLine.top, main::kHintLine.right, main::kHintLine.bottom};
  std::u16string copy = text;
  auto* units = reinterpret_cast<wchar_t*>(copy.data());
  const int length = static_cast<int>(copy.size());
  constexpr UINT kFormat = DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;
  // The system centres only single lines: a wrapped text is centred by its measured height.
  RECT measured = rect;
  DrawTextW(dc, units, length, &measured, kFormat | DT_CALCRECT);
  const int spare = (rect.bottom - rect.top) - (measured.bottom - measured.top);
  if (spare > 0) rect.top += spare / 2;
  DrawTextW(dc, units, length, &rect, kFormat);
}

}  // namespace zk40
