// session_end_probe TITLE: asks the top-level window of that title, as
// Windows does before a log-off, whether the session may end
// (WM_QUERYENDSESSION) and prints its answer: "answer 1" or "answer 0".
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HWND window = FindWindowW(nullptr, argv[1]);
  if (!window) {
    std::puts("no window");
    return 1;
  }
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer)) {
    std::puts("no answer");
    return 1;
  }
  std::printf("answer %d\n", answer != 0 ? 1 : 0);
  return 0;
}
