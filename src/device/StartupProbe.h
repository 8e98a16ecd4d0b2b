#pragma once
// The device probe that ends the main window's initialisation: the HID link
// set-up, the mouse in firmware-update mode (looked for twice), then up to
// ten attempts to open the mouse, 500 ms apart. Its outcome decides
// what the window does next: run without a device, hand over to the flasher,
// run with the mouse, or say the mouse cannot be found and close.

#include <cstdint>

#include "platform/Clock.h"

namespace zk40 {

inline constexpr int kUpdateModeLooks = 2;
inline constexpr int kOpenAttempts = 10;
inline constexpr std::uint32_t kProbeRetryMs = 500;

enum class ProbeOutcome {
  no_hid_support,  // the link could not be set up: the window runs without a device
  update_mode,     // the mouse waits for new firmware: start the flasher and close
  mouse_opened,
  mouse_not_found,  // notice, then close
};

// What the probe asks of the system.
class ProbeSystem {
 public:
  virtual ~ProbeSystem() = default;
  virtual bool InitialiseLink() = 0;
  // A present USB device in firmware-update mode.
  virtual bool UpdateModeDevicePresent() = 0;
  virtual bool OpenMouse() = 0;
};

// Every failed try is followed by a 500 ms wait: a mouse that opens at once
// costs the two looks' 1000 ms, an absent one 6000 ms in all.
ProbeOutcome RunStartupProbe(ProbeSystem& system, Sleeper& sleeper);

// The waits of a probe that finds the mouse at the given attempt (1-based),
// in milliseconds: what start-up costs beyond building the window.
std::uint32_t ProbeWaitMs(int openAttempt);

}  // namespace zk40
