// ZizedoRI.exe: the stand-in for the maker's firmware flasher, which the
// driver starts with "1" (Chinese) or "0" (English) when the mouse is in
// firmware-update mode or the user accepted new firmware. Flashing needs the
// maker's own tool, so this one says so in the user's language, and ends.
//
// For unattended runs, ZK40_STANDIN_NOTICE_MS=N closes the notice by itself
// after N milliseconds, as if the user had pressed OK.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "StandinTrace.h"

namespace {

constexpr wchar_t kCaptionEnglish[] = L"ZK40 firmware update";
constexpr wchar_t kTextEnglish[] =
    L"The firmware of the ZK40 gaming mouse can only be updated with the maker's flashing tool, "
    L"which is not part of this installation.\n\nNothing was written to the mouse.";
constexpr wchar_t kCaptionChinese[] = L"ZK40 固件更新";
constexpr wchar_t kTextChinese[] = L"ZK40游戏鼠标的固件只能用厂商的烧录工具更新，本安装不包含该工具。\n\n鼠标未被写入任何数据。";

BOOL CALLBACK PressOk(HWND window, LPARAM) {
  wchar_t name[16] = {};
  // The notice is the thread's one dialog.
  if (GetClassNameW(window, name, 16) && std::wcscmp(name, L"#32770") == 0) PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK CloseNotice(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnumThreadWindows(GetCurrentThreadId(), PressOk, 0);
}

// The notice's lifetime for unattended runs; 0 when a user closes it.
UINT NoticeMilliseconds() {
  const wchar_t* text = _wgetenv(L"ZK40_STANDIN_NOTICE_MS");
  if (!text || !*text) return 0;
  wchar_t* end = nullptr;
  const unsigned long ms = std::wcstoul(text, &end, 10);
  return *end == L'\0' && ms > 0 && ms < 600000 ? static_cast<UINT>(ms) : 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const auto arguments = standin::Arguments();
  standin::AppendTrace(L"ZizedoRI.exe", arguments);
  // The driver's texts are Chinese exactly when it passes "1".
  const bool chinese = !arguments.empty() && arguments[0] == L"1";
  if (const UINT ms = NoticeMilliseconds()) SetTimer(nullptr, 0, ms, CloseNotice);
  MessageBoxW(nullptr, chinese ? kTextChinese : kTextEnglish, chinese ? kCaptionChinese : kCaptionEnglish,
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  return 0;
}
