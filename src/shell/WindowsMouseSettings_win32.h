#pragma once
#include <windows.h>

namespace zk40 {

// The wheel-lines value the system takes: -1 stands for one screen per notch.
UINT WheelScrollLinesParameter(int wheelLines);

// Applies the profile's Windows pointer settings: pointer precision as the
// mouse acceleration triple (6, 10, 1 on, 0, 0, 0 off), the pointer speed
// 1..20 and the wheel lines (-1: one screen per notch). Each is stored in the
// user profile and broadcast; after each, WM_SETTINGCHANGE goes to notify.
// The system refuses to post that message, and the upload worker calls this
// from its own thread, so it is sent with a short bound instead of waiting
// on the UI thread for as long as it takes. Failures are ignored.
void ApplyWindowsMouseSettings(HWND notify, int enhancePrecision, int pointerSpeed, int wheelLines);

}  // namespace zk40
