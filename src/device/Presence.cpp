#include "device/Presence.h"

#include <string>

#include "platform/Utf16Text.h"
#include "protocol/DeviceIdText.h"

namespace zk40 {

DeviceChange ClassifyDeviceChange(std::uint32_t event, std::u16string_view deviceName) {
  if (event != kDeviceArrival && event != kDeviceRemoveComplete) return DeviceChange::none;
  if (!ContainsIgnoringCase(deviceName, kMouseFilterText)) return DeviceChange::none;
  return event == kDeviceArrival ? DeviceChange::mouse_arrived : DeviceChange::mouse_removed;
}

std::u16string MouseFoundText(int uiIsChinese) {
  return uiIsChinese == 1 ? u"发现ZK40游戏鼠标." : u"The ZK40 gaming mouse is found.";
}

std::u16string MouseLostText(int uiIsChinese) {
  return uiIsChinese == 1 ? u"没有找到ZK40游戏鼠标." : u"The ZK40 gaming mouse cannot be found.";
}

Presence::Presence(CUSBDriver& link, PresenceWindow& window, CountdownNotifier& notifier, RepeatingTimer& retryTimer,
                   const SettingsStore& settings, Sleeper& sleeper)
    : link_(link),
      window_(window),
      notifier_(notifier),
      retry_timer_(retryTimer),
      settings_(settings),
      sleeper_(sleeper) {}

Presence::~Presence() { StopRetry(); }

void Presence::OnDeviceChange(std::uint32_t event, std::u16string_view deviceName) {
  switch (ClassifyDeviceChange(event, deviceName)) {
    case DeviceChange::mouse_arrived:
      OnArrival();
      break;
    case DeviceChange::mouse_removed:
      OnRemoval();
      break;
    case DeviceChange::none:
      break;
  }
}

bool Presence::RefreshFirmwareVersion() {
  const std::optional<int> version = link_.GetFirmwareVersion();
  if (version && *version != 0) {
    window_.SetFirmwareText(Utf8ToUtf16(std::to_string(*version)));
    return true;
  }
  window_.SetFirmwareText(u"");
  return false;
}

void Presence::OnArrival() {
  // A second arrival while one waits starts the wait over with an attempt now.
  StopRetry();
  arrival_pending_ = true;
  TryOpen();
}

void Presence::TryOpen() {
  if (!arrival_pending_) return;
  bool hooksRemoved = false;
  while (!link_.OpenDevice()) {
    // The interface often appears a little after the USB device. The timer
    // keeps running between attempts.
    if (retry_running_) return;
    retry_running_ = retry_timer_.Start(kArrivalRetryMs, [this] { TryOpen(); });
    if (retry_running_) return;
    // No timer: the arrival is retried here instead, without limit as ever,
    // asking for a timer again each round. While this thread waits no input
    // of the desktop may pass through it, so the hooks go first; they come
    // back with the open link.
    if (!hooksRemoved) window_.RemoveHooks();
    hooksRemoved = true;
    sleeper_.SleepMs(kArrivalRetryMs);
  }
  StopRetry();
  (void)RefreshFirmwareVersion();  // an empty text is all a failed read shows
  window_.InstallHooks();
  // An upload was cut short by the removal: it ended in failure, and the
  // mouse coming back is no news to the user.
  if (!window_.UploadReady()) {
    window_.SetUploadReadyQuietly();
    return;
  }
  notifier_.ShowCountdownNotice(MouseFoundText(settings_.ui_is_chinese));
}

void Presence::OnRemoval() {
  // The hooks go first: while they are installed every input event of the
  // desktop passes through this thread.
  window_.RemoveHooks();
  StopRetry();
  link_.CloseDevice();
  if (!window_.UploadReady()) return;
  notifier_.ShowCountdownNotice(MouseLostText(settings_.ui_is_chinese));
  window_.PostClose();
}

void Presence::StopRetry() {
  if (retry_running_) retry_timer_.Stop();
  retry_running_ = false;
  arrival_pending_ = false;
}

}  // namespace zk40
