#pragma once
// The main window's side of the mouse: the HID link with its hidden window
// and helper library, the start-up probe on the real system, the upload
// worker with its window messages, the firmware update checker, and
// presence. The window owns one; the two workers exist only after the probe
// opened the mouse.

#include <windows.h>

#include <memory>

#include "device/CUSBDriver.h"
#include "device/FirmwareUpdate.h"
#include "device/UpdateDownloader.h"
#include "device/LinkWindow_win32.h"
#include "device/Presence.h"
#include "device/StartupProbe.h"
#include "device/UploadSequence.h"
#include "device/UploadWorker.h"
#include "device/WindowUploadObserver_win32.h"
#include "platform/Clock.h"
#include "platform/HidSystem.h"
#include "platform/ThreadTimer_win32.h"
#include "shell/HookState.h"

namespace zk40 {

class DriverDevice final : private ProbeSystem {
 public:
  DriverDevice(SettingsStore& store, HookState& hooks, PresenceWindow& window, CountdownNotifier& notifier);
  ~DriverDevice() override;
  DriverDevice(const DriverDevice&) = delete;
  DriverDevice& operator=(const DriverDevice&) = delete;

  // Step 15 of the window's initialisation, up to the opened mouse.
  ProbeOutcome Probe(HWND mainWindow);
  // Starts the upload worker (after the mouse was opened).
  void StartWorker();
  // Starts the firmware update checker thread; its questions and notices go
  // through notifier, its timer and the flasher through host.
  void StartUpdateChecker(const FirmwareUpdateArgs& args, FileSystem& fs, SharedXmlDocument& xml,
                          UserNotifier& notifier, UpdateHost& host);
  FirmwareUpdate* update_checker() { return update_.get(); }
  bool WorkerRunning() const { return worker_ != nullptr; }

  // The upload-ready flag; true when no worker runs.
  bool UploadReady() const { return !worker_ || worker_->UploadReady(); }
  void SetUploadReady() {
    if (worker_) worker_->SetUploadReady();
  }
  // Signals the upload request; false when no worker runs.
  bool RequestUpload();
  // Where the worker's progress goes: the progress dialog's window of this
  // opening (it exists before the worker's first report, which comes after
  // the worker's 50 ms start wait).
  void SetProgressWindow(HWND window) {
    if (observer_) observer_->SetProgressWindow(window);
  }

  Presence& presence() { return presence_; }
  CUSBDriver& link() { return link_; }

  // WM_CLOSE: the link closes, then the upload worker and the update checker stop.
  void Shutdown();

 private:
  bool InitialiseLink() override;
  bool UpdateModeDevicePresent() override;
  bool OpenMouse() override;

  SettingsStore& store_;
  HookState& hooks_;
  HWND main_window_ = nullptr;
  SystemClock clock_;
  std::unique_ptr<HidSystem> hid_;
  CUSBDriver link_;
  LinkWindow link_window_;
  ThreadTimer retry_timer_;
  Presence presence_;
  std::unique_ptr<WindowUploadObserver> observer_;
  std::unique_ptr<UploadSequence> sequence_;
  std::unique_ptr<UploadWorker> worker_;
  std::unique_ptr<UpdateDownloader> downloader_;
  std::unique_ptr<FirmwareUpdate> update_;
};

}  // namespace zk40
