#include "framework/MessageLoop.h"

#include "framework/Wnd.h"

namespace zk40 {

bool RunMessageLoop(const bool& done) {
  MSG msg;
  while (!done) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (got < 0) return false;
    if (CWnd::PreTranslateChain(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace zk40
