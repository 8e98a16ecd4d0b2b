#include "app/driver/DriverDevice_win32.h"

#include "device/UsbDeviceScan_win32.h"
#include "platform/SystemHidSystem.h"
#include "protocol/DeviceIdText.h"

namespace zk40 {

DriverDevice::DriverDevice(SettingsStore& store, HookState& hooks, PresenceWindow& window, CountdownNotifier& notifier)
    : store_(store),
      hooks_(hooks),
      hid_(CreateSystemHidSystem()),
      link_(*hid_, clock_),
      presence_(link_, window, notifier, retry_timer_, store, clock_) {}

DriverDevice::~DriverDevice() { Shutdown(); }

ProbeOutcome DriverDevice::Probe(HWND mainWindow) {
  main_window_ = mainWindow;
  return RunStartupProbe(*this, clock_);
}

bool DriverDevice::InitialiseLink() { return link_window_.CreateLinkWindow(main_window_) == 1; }

bool DriverDevice::UpdateModeDevicePresent() {
  return FindUsbDevice(std::u16string(kFirmwareUpdateDeviceText)) == 1;
}

bool DriverDevice::OpenMouse() { return link_.OpenDevice(); }

void DriverDevice::StartWorker() {
  if (worker_) return;
  observer_ = std::make_unique<WindowUploadObserver>(main_window_);
  sequence_ = std::make_unique<UploadSequence>(store_, link_, hooks_, *observer_);
  worker_ = std::make_unique<UploadWorker>(*sequence_);
  worker_->Start();
}

void DriverDevice::StartUpdateChecker(const FirmwareUpdateArgs& args, FileSystem& fs, SharedXmlDocument& xml,
                                      UserNotifier& notifier, UpdateHost& host) {
  if (update_) return;
  downloader_ = CreateSystemUpdateDownloader();
  update_ = std::make_unique<FirmwareUpdate>(args, fs, xml, *downloader_, notifier, host);
  update_->Start();
}

bool DriverDevice::RequestUpload() {
  if (!worker_) return false;
  worker_->RequestUpload();
  return true;
}

void DriverDevice::Shutdown() {
  link_.CloseDevice();
  // A running upload fails at its next transfer now that the link is closed.
  if (worker_) worker_->Stop();
  if (update_) update_->Stop();
  link_window_.Shutdown();
}

}  // namespace zk40
