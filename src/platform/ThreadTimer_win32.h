#pragma once
// RepeatingTimer on a Win32 thread timer: its ticks come through the message
// loop of the thread that started it, modal loops included.
#include <windows.h>

#include <functional>

#include "platform/RepeatingTimer.h"

namespace zk40 {

class ThreadTimer final : public RepeatingTimer {
 public:
  ThreadTimer() = default;
  ~ThreadTimer() override { Stop(); }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

  bool Start(std::uint32_t periodMs, std::function<void()> tick) override;
  void Stop() override;
  bool Running() const { return id_ != 0; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

  UINT_PTR id_ = 0;
  std::function<void()> tick_;
};

}  // namespace zk40
