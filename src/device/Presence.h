#pragma once
// What the program does when the mouse comes and goes while it runs. Arrival:
// open the link (retrying from a timer until it opens, or, when the system
// gives no timer, right here, 2500 ms apart), refresh the firmware
// version text, install the hooks, then the "found" notice, or, while an
// upload was cut short, only the upload-ready flag back. Removal: remove the
// hooks and close the link, then, when no upload runs, the "cannot be found"
// notice and the end of the program. Everything here runs on the UI thread,
// and none of it waits for the upload worker (the link never makes the UI
// thread wait for another thread's exchange).

#include <cstdint>
#include <string>
#include <string_view>

#include "device/CUSBDriver.h"
#include "platform/Clock.h"
#include "platform/CountdownNotifier.h"
#include "platform/RepeatingTimer.h"
#include "settings/SettingsStore.h"

namespace zk40 {

// The broadcast events presence reacts to (the system's codes).
inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;

inline constexpr std::uint32_t kArrivalRetryMs = 2500;

enum class DeviceChange { none, mouse_arrived, mouse_removed };

// The meaning of one device-interface broadcast: only arrivals and removals
// whose device name names the mouse count.
DeviceChange ClassifyDeviceChange(std::uint32_t event, std::u16string_view deviceName);

std::u16string MouseFoundText(int uiIsChinese);
// Also the notice of a start-up that finds no mouse.
std::u16string MouseLostText(int uiIsChinese);

// What presence needs from the main window.
class PresenceWindow {
 public:
  virtual ~PresenceWindow() = default;
  // The upload-ready flag: false while an upload runs.
  virtual bool UploadReady() = 0;
  // The flag back to ready and the Apply button shown not pressed.
  virtual void SetUploadReadyQuietly() = 0;
  // The support page's firmware text; empty for no version.
  virtual void SetFirmwareText(const std::u16string& text) = 0;
  virtual void InstallHooks() = 0;
  virtual void RemoveHooks() = 0;
  // Posts WM_CLOSE to the main window.
  virtual void PostClose() = 0;
};

class Presence {
 public:
  // sleeper serves the arrival's retries when no timer can be had.
  Presence(CUSBDriver& link, PresenceWindow& window, CountdownNotifier& notifier, RepeatingTimer& retryTimer,
           const SettingsStore& settings, Sleeper& sleeper);
  ~Presence();
  Presence(const Presence&) = delete;
  Presence& operator=(const Presence&) = delete;

  // One device-interface broadcast: its event code and device name.
  void OnDeviceChange(std::uint32_t event, std::u16string_view deviceName);

  // Reads the firmware version into the firmware text: the version in
  // decimal, or empty when the read fails or gives 0. True when a version was shown.
  bool RefreshFirmwareVersion();

  // An arrival waits for the link to open.
  bool ArrivalPending() const { return arrival_pending_; }

 private:
  void OnArrival();
  void OnRemoval();
  // One open attempt of a pending arrival; the rest of the arrival once open.
  void TryOpen();
  void StopRetry();

  CUSBDriver& link_;
  PresenceWindow& window_;
  CountdownNotifier& notifier_;
  RepeatingTimer& retry_timer_;
  const SettingsStore& settings_;
  Sleeper& sleeper_;
  bool arrival_pending_ = false;
  bool retry_running_ = false;
};

}  // namespace zk40
