#include "pages/DialogPlacement_win32.h"

namespace zk40 {

void CentreDialog(HWND window, int width, int height) {
  const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceDialogBottomRight(HWND window, int width, int height) {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window, nullptr, work.right - width - 10, work.bottom - height, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zk40
