#include "app/driver/TrayIcon_win32.h"

#include <shellapi.h>

#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "shell/ApplicationStart.h"
#include "skin/XPMenu_win32.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

template <std::size_t N>
void CopyText(wchar_t (&target)[N], const std::u16string& text) {
  lstrcpynW(target, Wide(text), static_cast<int>(N));
}

}  // namespace

bool TrayIcon::Add(HWND window, HICON icon) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 0;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
  data.uCallbackMessage = msg::kTrayIcon;
  data.hIcon = icon;
  CopyText(data.szTip, kMainWindowTitle);
  CopyText(data.szInfo, kMainWindowTitle);
  CopyText(data.szInfoTitle, u"Running");
  data.dwInfoFlags = NIIF_INFO;
  data.uTimeout = 5000;
  if (!Shell_NotifyIconW(NIM_ADD, &data)) return false;
  window_ = window;
  return true;
}

void TrayIcon::Remove() {
  if (!window_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = 0;
  Shell_NotifyIconW(NIM_DELETE, &data);
  window_ = nullptr;
}

void TrayIcon::ShowMenu(HWND window) {
  CXPMenu menu;
  // English in every language, as the tray menu has always been.
  (void)menu.AppendItem(kTrayConfigCommand, layout::kTrayConfigIcon, u"Config");
  (void)menu.AppendItem(kTrayExitCommand, layout::kTrayExitIcon, u"Exit");
  POINT cursor{};
  GetCursorPos(&cursor);
  SetForegroundWindow(window);
  (void)menu.Track(window, cursor);
}

}  // namespace zk40
