#include "app/driver/HintLine.h"

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
  DrawTextW(dc, reinterpret_cast<wchar_t*>(copy.data()), static_cast<int>(copy.size()), &rect,
            DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS);
}

}  // namespace zk40
