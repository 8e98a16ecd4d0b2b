#pragma once
// The process-wide state of the low-level mouse and keyboard hooks and their
// decision for one input event. The Win32 hook procedures call the decision
// and carry it out: post the messages to the target window, then swallow the
// event or pass it on. Everything here runs on the UI thread, except that the
// upload worker rebuilds the intercept list, slot by slot.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/WindowMessages.h"

namespace zk40 {

inline constexpr std::size_t kInterceptSlots = 12;

// A window as the hooks know it (an HWND in the Win32 layer); 0 = none.
using WindowId = std::uintptr_t;

struct HookPost {
  std::uint32_t message;
  std::uint32_t wparam;
  std::uint32_t lparam;
};

struct HookDecision {
  WindowId target = 0;
  std::array<HookPost, 2> posts{};
  int post_count = 0;
  bool swallow = false;  // true: not passed on, the PC never sees the event
  std::uint32_t pending_release = 0;  // the release to swallow next, after this event

  void Post(std::uint32_t message, std::uint32_t wparam, std::uint32_t lparam = 0) {
    posts[static_cast<std::size_t>(post_count++)] = {message, wparam, lparam};
  }
};

class HookState;

// What the mouse hook does with one event in the given state; changes nothing.
HookDecision DecideMouseEvent(const HookState& state, std::uint32_t message, std::uint32_t mouseData) noexcept;

class HookState {
 public:
  HookState() { Reset(); }

  // Back to the state at process start: empty list, all reporting on, no windows.
  void Reset();
  // The hooks were installed for window: it becomes the target and the fallback.
  void Installed(WindowId mainWindow);
  void SetHookTarget(WindowId window);
  // Turning key reporting off also returns the target to the main window,
  // unless mouse reporting stays on.
  void SetRecorderReporting(int keys, int mouse);
  void SetStatisticsReporting(int mouse);

  bool IsIntercepted(std::uint32_t code) const;
  // remove 1: frees the slot holding code; remove 0: puts code into the first
  // free slot unless it is listed already (a full list takes nothing).
  void SetIntercept(std::uint32_t code, int remove);
  std::array<std::uint32_t, kInterceptSlots> InterceptList() const;

  // One low-level mouse event (window message, 32-bit mouse-data word):
  // the decision, whose pending release then becomes the state's.
  HookDecision OnMouseEvent(std::uint32_t message, std::uint32_t mouseData) noexcept;
  // One low-level key event; key events are never swallowed.
  HookDecision OnKeyEvent(std::uint32_t virtualKey, std::uint32_t flags) const noexcept;

  WindowId Target() const { return target_ ? target_ : main_window_; }
  std::uint32_t PendingRelease() const { return pending_release_; }
  bool RecorderMouseReporting() const { return recorder_mouse_ != 0; }
  bool StatisticsMouseReporting() const { return statistics_mouse_ != 0; }

 private:
  std::array<std::atomic<std::uint32_t>, kInterceptSlots> intercept_;
  int recorder_keys_ = 1;
  int recorder_mouse_ = 1;
  int statistics_mouse_ = 1;
  WindowId target_ = 0;
  WindowId main_window_ = 0;
  std::uint32_t pending_release_ = 0;
};

}  // namespace zk40
