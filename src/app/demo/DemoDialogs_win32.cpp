#include "app/demo/DemoDialogs_win32.h"

#include <string>

namespace zk40 {
namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.get());
}

void DrawLabel(HDC dc, const RECT& rect, const wchar_t* text, COLORREF colour, UINT format) {
  Font font(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                        L"MS Shell Dlg"));
  SelectInDC select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT r = rect;
  DrawTextW(dc, text, -1, &r, format | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

bool CDemoButton::OnReflectedCommand(int code) {
  if (code != BN_CLICKED) return false;
  ++clicks;
  Invalidate();
  return true;
}

bool CDemoButton::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  BufferedDC dc(item.hDC, item.rcItem);
  Fill(dc.get(), item.rcItem, pressed ? RGB(170, 60, 30) : kDemoButton);
  const std::wstring caption = clicks == 0 ? L"Press me" : L"Pressed " + std::to_wstring(clicks);
  DrawLabel(dc.get(), item.rcItem, caption.c_str(), RGB(255, 255, 255), DT_CENTER);
  return true;
}

bool CDemoPage::OnInitDialog() {
  CButton::CreateArgs args;
  args.text = u"Press me";
  args.style = WS_VISIBLE | BS_OWNERDRAW;
  args.rect = RECT{40, 40, 200, 80};
  args.parent = this;
  button.Create(args);
  return true;
}

bool CDemoPage::PreTranslateMessage(MSG& msg) {
  // Pages keep Enter, Escape and Space from the dialog manager.
  if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
      (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE)) {
    ++swallowed_keys;
    return true;
  }
  return false;
}

bool CDemoPage::OnEraseBkgnd(HDC dc) {
  Fill(dc, GetClientRect(), kDemoPage);
  return true;
}

bool CDemoPage::OnCommand(int, int, HWND) {
  ++commands_seen;
  return false;
}

bool CDemoDialog::OnInitDialog() {
  SetWindowText(u"ZK40 framework demo");
  const int width = 480, height = 300;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  MoveWindow((work.right - work.left - width) / 2, (work.bottom - work.top - height) / 2, width, height);
  page.Create();
  page.MoveWindow(15, 60, 450, 225);
  page.ShowWindow(SW_SHOW);
  ShowWindow(SW_SHOW);
  return true;
}

bool CDemoDialog::OnEraseBkgnd(HDC) { return true; }

bool CDemoDialog::OnPaint() {
  BufferedPaint dc(m_hWnd);
  Fill(dc.get(), GetClientRect(), kDemoBackground);
  DrawLabel(dc.get(), RECT{15, 15, 465, 45}, L"ZK40 framework demo", RGB(220, 225, 230), DT_LEFT);
  return true;
}

bool CDemoDialog::OnClose() {
  EndDialog(IDCANCEL);
  return true;
}

bool CDemoDialog::OnLButtonDown(UINT, POINT point) {
  // Borderless: drag the window by its body.
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
  return true;
}

}  // namespace zk40
