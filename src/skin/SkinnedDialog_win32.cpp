#include "skin/SkinnedDialog_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WideText_win32.h"
#include "skin/SkinButton_win32.h"

namespace zk40 {

void DrawSkinText(HDC dc, const layout::Rect& rect, const std::u16string& text, COLORREF colour, bool centred) {
  SelectInDC font(dc, ButtonCaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT box = ToRect(rect);
  DrawTextW(dc, Wide(text), -1, &box,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | (centred ? DT_CENTER : 0));
}

CGDIBitmapBtn& CSkinnedDialog::AddButton(const layout::Rect& rect, std::function<void()> on_click) {
  auto& button = Keep<CGDIBitmapBtn>();
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = this;
  args.on_click = std::move(on_click);
  button.Create(args);
  button.SetStatePictures(args.rect, pictures_.normal.get(), pictures_.over.get(), pictures_.down.get(),
                          pictures_.normal.get());
  return button;
}

bool CSkinnedDialog::OnPaint() {
  BufferedPaint paint(m_hWnd);
  if (pictures_.normal) DrawBitmap(paint.get(), paint.Client(), pictures_.normal.get(), POINT{0, 0});
  PaintOver(paint.get());
  return true;
}

bool CSkinnedDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // Lets skinned children that are not rectangular draw what lies under them.
  if (msg == WM_PRINTCLIENT) {
    const RECT client = GetClientRect();
    if (pictures_.normal) DrawBitmap(reinterpret_cast<HDC>(wp), client, pictures_.normal.get(), POINT{0, 0});
    PaintOver(reinterpret_cast<HDC>(wp));
    result = 0;
    return true;
  }
  return CDialog::OnMessage(msg, wp, lp, result);
}

}  // namespace zk40
