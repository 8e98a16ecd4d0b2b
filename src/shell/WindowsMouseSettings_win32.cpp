#include "shell/WindowsMouseSettings_win32.h"

namespace zk40 {
namespace {

void AnnounceSetting(HWND notify, UINT action) {
  if (!notify) return;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(notify, WM_SETTINGCHANGE, action, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000, &ignored);
}

}  // namespace

UINT WheelScrollLinesParameter(int wheelLines) {
  return wheelLines == -1 ? WHEEL_PAGESCROLL : static_cast<UINT>(wheelLines);
}

void ApplyWindowsMouseSettings(HWND notify, int enhancePrecision, int pointerSpeed, int wheelLines) {
  constexpr UINT kStoreAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
  int acceleration[3] = {0, 0, 0};
  if (enhancePrecision) {
    acceleration[0] = 6;
    acceleration[1] = 10;
    acceleration[2] = 1;
  }
  SystemParametersInfoW(SPI_SETMOUSE, 0, acceleration, kStoreAndBroadcast);
  AnnounceSetting(notify, SPI_SETMOUSE);

  // The speed travels in pvParam; Wine reads it from uiParam, so it goes in both.
  SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(pointerSpeed),
                        reinterpret_cast<void*>(static_cast<INT_PTR>(pointerSpeed)), kStoreAndBroadcast);
  AnnounceSetting(notify, SPI_SETMOUSESPEED);

  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, WheelScrollLinesParameter(wheelLines), nullptr, kStoreAndBroadcast);
  AnnounceSetting(notify, SPI_SETWHEELSCROLLLINES);
}

}  // namespace zk40
