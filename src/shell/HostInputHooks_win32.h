#pragma once
// The system-wide low-level mouse and keyboard hooks. Their procedures run
// on the thread that installed them, for every input event of the desktop,
// so they only ask the hook state for a decision and post what it says:
// nothing they do can block.
#include <windows.h>

#include "shell/HookState.h"

namespace zk40 {

class HostInputHooks {
 public:
  // The state serves both hooks from now on; window becomes the hook target
  // and the main window. True when both hooks were installed.
  static bool InstallHooks(HookState& state, HWND window);
  static void RemoveHooks();
  static bool Installed();
};

inline WindowId ToWindowId(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }
inline HWND ToHwnd(WindowId id) { return reinterpret_cast<HWND>(id); }

}  // namespace zk40
