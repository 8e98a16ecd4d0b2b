#include "app/driver/Notices.h"

#include "platform/MessageBoxNotifier_win32.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kCountdownTimer = 2321;
constexpr int kCountdownSeconds = 5;
HWND g_countdown_box = nullptr;
int g_seconds_left = 0;

// Finds the notice among the thread's windows once it is up, then closes it
// after the countdown.
void CALLBACK CountdownTick(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_countdown_box) {
    g_countdown_box = FindWindowW(L"#32770", L"Tips");
  }
  if (--g_seconds_left < 0) {
    KillTimer(nullptr, id);
    if (g_countdown_box) PostMessageW(g_countdown_box, WM_CLOSE, 0, 0);
  }
}

}  // namespace

bool DriverNotices::ShowNotice(const std::u16string& text, bool withCancel) {
  return MessageBoxNotifier(owner_).ShowNotice(text, withCancel);
}

void DriverNotices::ShowMessageBox(const std::u16string& text, const std::u16string& caption) {
  MessageBoxNotifier(owner_).ShowMessageBox(text, caption);
}

void DriverNotices::ShowCountdownNotice(const std::u16string& text) {
  g_countdown_box = nullptr;
  g_seconds_left = kCountdownSeconds;
  const UINT_PTR timer = SetTimer(nullptr, kCountdownTimer, 1000, &CountdownTick);
  MessageBoxW(nullptr, Wide(text), L"Tips", MB_OK | MB_TOPMOST);
  if (timer) KillTimer(nullptr, timer);
  g_countdown_box = nullptr;
  (void)store_;
}

}  // namespace zk40
