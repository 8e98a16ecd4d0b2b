#include "device/StartupProbe.h"

namespace zk40 {
namespace {

// Calls attempt up to tries times, waiting after each failed one; true at
// the first success.
template <typename Attempt>
bool Retry(int tries, Sleeper& sleeper, Attempt attempt) {
  for (int i = 0; i < tries; ++i) {
    if (attempt()) return true;
    sleeper.SleepMs(kProbeRetryMs);
  }
  return false;
}

}  // namespace

ProbeOutcome RunStartupProbe(ProbeSystem& system, Sleeper& sleeper) {
  if (!system.InitialiseLink()) return ProbeOutcome::no_hid_support;
  if (Retry(kUpdateModeLooks, sleeper, [&] { return system.UpdateModeDevicePresent(); })) {
    return ProbeOutcome::update_mode;
  }
  if (Retry(kOpenAttempts, sleeper, [&] { return system.OpenMouse(); })) return ProbeOutcome::mouse_opened;
  return ProbeOutcome::mouse_not_found;
}

std::uint32_t ProbeWaitMs(int openAttempt) {
  return static_cast<std::uint32_t>(kUpdateModeLooks + openAttempt - 1) * kProbeRetryMs;
}

}  // namespace zk40
