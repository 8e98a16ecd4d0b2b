#include "platform/ThreadTimer_win32.h"

#include <map>

namespace zk40 {
namespace {

// The running timers of this thread by id; thread timers tick only on the
// thread that made them.
std::map<UINT_PTR, ThreadTimer*>& Timers() {
  thread_local std::map<UINT_PTR, ThreadTimer*> timers;
  return timers;
}

}  // namespace

bool ThreadTimer::Start(std::uint32_t periodMs, std::function<void()> tick) {
  Stop();
  tick_ = std::move(tick);
  id_ = SetTimer(nullptr, 0, periodMs, &ThreadTimer::OnTimer);
  if (id_ != 0) Timers()[id_] = this;
  return id_ != 0;
}

void ThreadTimer::Stop() {
  if (id_ == 0) return;
  KillTimer(nullptr, id_);
  Timers().erase(id_);
  id_ = 0;
}

void CALLBACK ThreadTimer::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Timers().find(id);
  if (found == Timers().end()) return;  // stopped while its message waited
  // A copy, so that the tick may stop, restart or end its own timer.
  const std::function<void()> tick = found->second->tick_;
  if (tick) tick();
}

}  // namespace zk40
