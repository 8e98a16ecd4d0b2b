#include "app/driver/HintLine_win32.h"

#include "framework/Gdi.h"
#include "skin/CentredText_win32.h"
#include "skin/SkinButton_win32.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {

void DrawHintText(HDC dc, const std::u16string& text) {
  namespace main = layout::main_window;
  SelectInDC select(dc, ButtonCaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(main::kHintText.r, main::kHintText.g, main::kHintText.b));
  DrawCentredWrappedText(dc, text, RECT{main::kHintLine.left, main::kHintLine.top, main::kHintLine.right,
                                        main::kHintLine.bottom});
}

}  // namespace zk40
