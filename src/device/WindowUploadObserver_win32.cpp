#include "device/WindowUploadObserver_win32.h"

#include "shell/WindowsMouseSettings_win32.h"

namespace zk40 {

void WindowUploadObserver::OnProgress(int percent) {
  if (HWND window = progress_window_.load()) PostMessageW(window, msg::kUploadProgress, static_cast<WPARAM>(percent), 0);
}

void WindowUploadObserver::ApplyPointerSettings(int enhancePrecision, int pointerSpeed, int wheelLines) {
  ApplyWindowsMouseSettings(main_window_, enhancePrecision, pointerSpeed, wheelLines);
}

void WindowUploadObserver::OnUploadFinished() { PostMessageW(main_window_, msg::kUploadFinished, 0, 0); }

void WindowUploadObserver::OnUploadFailed(UploadError error) {
  PostMessageW(main_window_, msg::kUploadFailed, 0, static_cast<LPARAM>(error));
}

}  // namespace zk40
