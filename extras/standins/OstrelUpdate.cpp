// OstrelUpdate.exe: the stand-in for the maker's updater, which the driver
// starts once a few seconds after it found the mouse. It checks nothing and
// shows nothing: it leaves its trace and ends.
#include <windows.h>

#include "StandinTrace.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  standin::AppendTrace(L"OstrelUpdate.exe", standin::Arguments());
  return 0;
}
