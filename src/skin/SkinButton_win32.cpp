#include "skin/SkinButton_win32.h"

#include "framework/Gdi.h"

namespace zk40 {

HFONT ButtonCaptionFont() {
  static const Font font(CreateFontW(14, 0, 0, 0, FW_LIGHT, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg"));
  return font.get();
}

bool CSkinButton::Create(const CreateArgs& args) {
  CreateArgs button = args;
  button.text.clear();
  button.style = WS_VISIBLE | BS_OWNERDRAW;
  button.id = 0;
  return CButton::Create(button);
}

void CSkinButton::OnSubclassed() {
  SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetWindowLongPtrW(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

bool CSkinButton::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd == m_hWnd) tooltip_.Relay(m_hWnd, msg);
  return false;
}

bool CSkinButton::OnMouseMove(UINT flags, POINT point) {
  const bool left_down = (flags & MK_LBUTTON) != 0;
  // A drag that began elsewhere does not hover the button.
  if (left_down && !hovering_) return false;
  HWND owner = OwnerOrParent(m_hWnd);
  if (::GetCapture() != m_hWnd && owner && ::IsWindow(owner) && ::GetActiveWindow()) {
    hovering_ = true;
    ::SetCapture(m_hWnd);
  } else {
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (::WindowFromPoint(screen) != m_hWnd) {
      hovering_ = false;
      if (!left_down) ::ReleaseCapture();
    }
  }
  OnHoverRepaint();
  PassMouseMoveToParent(m_hWnd, flags, point);
  return false;  // the button's own handling of the move goes on
}

void PassMouseMoveToParent(HWND button, UINT flags, POINT point) {
  if (HWND parent = ::GetParent(button)) {
    POINT inParent = point;
    ::MapWindowPoints(button, parent, &inParent, 1);
    ::PostMessageW(parent, WM_MOUSEMOVE, flags, MAKELPARAM(inParent.x, inParent.y));
  }
}

void CSkinButton::EndHover() {
  if (!hovering_) return;
  hovering_ = false;
  OnHoverRepaint();
}

bool CSkinButton::OnKillFocus(HWND) {
  EndHover();
  return false;
}

bool CSkinButton::OnCaptureChanged(HWND gaining) {
  // The capture is gone already; releasing it here would take it from the
  // window that now holds it.
  if (gaining != m_hWnd) EndHover();
  return false;
}

}  // namespace zk40
