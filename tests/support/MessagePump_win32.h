#pragma once
#include <windows.h>

namespace zk40::test {

// Dispatches this thread's messages for about the given time, so that
// windows made by a test paint and handle what was posted to them.
inline void PumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace zk40::test
