// hooks_probe MODE: installs the driver's low-level hooks and prints, one
// line each, what reaches its windows:
//   main 2027 CODE            a host mouse event posted to the main window
//   recorder 1034 WP LP       a raw event posted to the recorder window
//   under NAME [DATA]         a mouse message that reached the window underneath
// The window underneath covers (0, 0)-(400, 300) of the screen. MODE
// "intercept": 516 and 0x1020B are intercepted and the recorder is off;
// "recorder": the recorder window is the hook target, keys and mouse on.
// Prints "ready" when set up; ends after 30 seconds.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/HostInputHooks_win32.h"

namespace {

const wchar_t* MouseMessageName(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: return L"lbuttondown";
    case WM_LBUTTONUP: return L"lbuttonup";
    case WM_RBUTTONDOWN: return L"rbuttondown";
    case WM_RBUTTONUP: return L"rbuttonup";
    case WM_XBUTTONDOWN: return L"xbuttondown";
    case WM_XBUTTONUP: return L"xbuttonup";
    case WM_MOUSEWHEEL: return L"mousewheel";
    default: return nullptr;
  }
}

LRESULT CALLBACK UnderProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (const wchar_t* name = MouseMessageName(msg)) {
    std::printf("under %ls %d\n", name, msg == WM_MOUSEWHEEL ? GET_WHEEL_DELTA_WPARAM(wp) : HIWORD(wp));
    std::fflush(stdout);
    return msg == WM_XBUTTONDOWN || msg == WM_XBUTTONUP ? TRUE : 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == zk40::msg::kHostMouseEvent) {
    std::printf("main 2027 %u\n", static_cast<unsigned>(wp));
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK RecorderProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == zk40::msg::kRecorderInput) {
    std::printf("recorder 1034 %u %u\n", static_cast<unsigned>(wp), static_cast<unsigned>(lp));
    std::fflush(stdout);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeWindow(const wchar_t* name, WNDPROC procedure, DWORD style, int width, int height) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  return CreateWindowExW(0, name, name, style, 0, 0, width, height, nullptr, nullptr, wc.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const bool recorder = argc > 1 && std::strcmp(argv[1], "recorder") == 0;
  HWND under = MakeWindow(L"ProbeUnder", UnderProcedure, WS_POPUP | WS_VISIBLE, 400, 300);
  HWND mainWindow = MakeWindow(L"ProbeMain", MainProcedure, WS_POPUP, 1, 1);
  HWND recorderWindow = MakeWindow(L"ProbeRecorder", RecorderProcedure, WS_POPUP, 1, 1);
  SetForegroundWindow(under);

  static zk40::HookState state;
  if (!zk40::HostInputHooks::InstallHooks(state, mainWindow)) {
    std::printf("no hooks\n");
    return 1;
  }
  if (recorder) {
    state.SetHookTarget(zk40::ToWindowId(recorderWindow));
    state.SetRecorderReporting(1, 1);
  } else {
    state.SetIntercept(516, 0);
    state.SetIntercept(0x1020B, 0);
    state.SetRecorderReporting(0, 0);
    state.SetStatisticsReporting(1);
  }
  std::printf("ready\n");
  std::fflush(stdout);

  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 30000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  zk40::HostInputHooks::RemoveHooks();
  return 0;
}
