// host_action_marker.exe: a program for a host action to run. It leaves one
// line, its name and arguments, in C:\windows\temp\zk40standins.log, so a
// test sees that the driver started it, and ends.
#include <windows.h>

#include "StandinTrace.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  standin::AppendTrace(L"host_action_marker.exe", standin::Arguments());
  return 0;
}
