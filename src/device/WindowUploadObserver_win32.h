#pragma once
// The upload worker's reports as window messages: progress (1067) to the
// progress dialog, the result (1795 success, 1796 failure with its index) to
// the main window, and the pointer settings applied on the worker's own
// thread. Everything is posted: the worker never waits for the UI thread.
#include <windows.h>

#include <atomic>

#include "device/UploadSequence.h"
#include "platform/WindowMessages.h"

namespace zk40 {

class WindowUploadObserver final : public UploadObserver {
 public:
  explicit WindowUploadObserver(HWND mainWindow) : main_window_(mainWindow) {}

  // The progress dialog's window changes with every opening.
  void SetProgressWindow(HWND window) { progress_window_.store(window); }

  void OnProgress(int percent) override;
  void ApplyPointerSettings(int enhancePrecision, int pointerSpeed, int wheelLines) override;
  void OnUploadFinished() override;
  void OnUploadFailed(UploadError error) override;

 private:
  HWND main_window_;
  std::atomic<HWND> progress_window_{nullptr};
};

}  // namespace zk40
