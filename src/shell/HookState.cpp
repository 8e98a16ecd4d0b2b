#include "shell/HookState.h"

#include "shell/MouseEventCodes.h"

namespace zk40 {

void HookState::Reset() {
  for (auto& slot : intercept_) slot.store(0);
  recorder_keys_ = recorder_mouse_ = statistics_mouse_ = 1;
  target_ = main_window_ = 0;
  pending_release_ = 0;
}

void HookState::Installed(WindowId mainWindow) { target_ = main_window_ = mainWindow; }

void HookState::SetHookTarget(WindowId window) { target_ = window; }

void HookState::SetRecorderReporting(int keys, int mouse) {
  recorder_keys_ = keys;
  recorder_mouse_ = mouse;
  if (keys == 0 && mouse != 1) target_ = main_window_;
}

void HookState::SetStatisticsReporting(int mouse) { statistics_mouse_ = mouse; }

bool HookState::IsIntercepted(std::uint32_t code) const {
  for (const auto& slot : intercept_) {
    if (slot.load() == code) return true;
  }
  return false;
}

void HookState::SetIntercept(std::uint32_t code, int remove) {
  if (remove == 1) {
    for (auto& slot : intercept_) {
      if (slot.load() == code) {
        slot.store(0);
        return;
      }
    }
    return;
  }
  if (IsIntercepted(code)) return;
  for (auto& slot : intercept_) {
    if (slot.load() == 0) {
      slot.store(code);
      return;
    }
  }
}

std::array<std::uint32_t, kInterceptSlots> HookState::InterceptList() const {
  std::array<std::uint32_t, kInterceptSlots> list{};
  for (std::size_t i = 0; i < kInterceptSlots; ++i) list[i] = intercept_[i].load();
  return list;
}

HookDecision DecideMouseEvent(const HookState& state, std::uint32_t message, std::uint32_t mouseData) noexcept {
  HookDecision d;
  d.target = state.Target();
  d.pending_release = state.PendingRelease();
  const bool wheel = message == kWheelMessage;
  const std::uint32_t wheelCode = kWheelBackward + (static_cast<std::int32_t>(mouseData) >= 0 ? 1 : 0);

  // Button-down and wheel events: an intercepted one is reported and
  // swallowed, together with the release that follows a press.
  std::uint32_t code = 0;
  std::uint32_t release = 0;
  if (message == kLeftDown || message == kRightDown || message == kMiddleDown) {
    code = message;
    release = message + 1;
  } else if (wheel) {
    code = wheelCode;
  } else if (message == kXButtonDown) {
    code = message + mouseData;
    release = kXButtonUp;
  }
  if (code != 0) {
    if (state.IsIntercepted(code)) {
      d.Post(msg::kHostMouseEvent, code);
      if (release) d.pending_release = release;
      d.swallow = true;
      return d;
    }
    if (state.StatisticsMouseReporting()) d.Post(msg::kHostMouseEvent, code);
  }

  if (d.pending_release != 0 && message == d.pending_release) {
    d.pending_release = 0;
    d.swallow = true;
    return d;
  }
  if (state.RecorderMouseReporting() && message != kMouseMove) {
    d.Post(msg::kRecorderInput, wheel ? wheelCode : message + mouseData);
  }
  return d;
}

HookDecision HookState::OnMouseEvent(std::uint32_t message, std::uint32_t mouseData) noexcept {
  const HookDecision d = DecideMouseEvent(*this, message, mouseData);
  pending_release_ = d.pending_release;
  return d;
}

HookDecision HookState::OnKeyEvent(std::uint32_t virtualKey, std::uint32_t flags) const noexcept {
  HookDecision d;
  d.target = Target();
  if (recorder_keys_) d.Post(msg::kRecorderInput, virtualKey, flags);
  return d;
}

}  // namespace zk40
