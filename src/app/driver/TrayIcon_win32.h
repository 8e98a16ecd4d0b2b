#pragma once
// The main window's notification-area icon: added once with its tooltip and
// the "Running" balloon, reporting mouse events on it as message 1132, and
// its right-click menu ("Config", "Exit").

#include <windows.h>

namespace zk40 {

inline constexpr UINT kTrayConfigCommand = 24576;
inline constexpr UINT kTrayExitCommand = 24577;

class TrayIcon {
 public:
  ~TrayIcon() { Remove(); }
  bool Add(HWND window, HICON icon);
  void Remove();
  // The owner-drawn menu at the cursor; the choice reaches window as WM_COMMAND.
  static void ShowMenu(HWND window);

 private:
  HWND window_ = nullptr;
};

}  // namespace zk40
