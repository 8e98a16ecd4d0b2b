#include "skin/BitmapEdit_win32.h"

namespace zk40 {

void CBitmapEdit::SetBackground(const skin::Rect& rect, const GdiPlusImage& page) {
  background_ = PatternBrushFromClone(page, rect);
  if (m_hWnd) Invalidate(true);
}

void CBitmapEdit::OnSubclassed() {
  SetLimitText(kTextLimit);
  font_.Reset(CreateFontW(12, 0, 0, 0, FW_MEDIUM, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, nullptr));
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SetWindowLongPtrW(m_hWnd, GWL_STYLE,
                    GetWindowLongPtrW(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
  SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
  SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

HBRUSH CBitmapEdit::OnReflectedCtlColor(HDC dc, UINT message) {
  // A read-only or disabled edit asks with the static-control message.
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return nullptr;
  SetTextColor(dc, kTextColour);
  SetBkMode(dc, TRANSPARENT);
  return background_.brush ? background_.brush.get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace zk40
