// How long the user-interface thread waits on the link while the upload
// worker uses it, with real waits against the emulated mouse. The UI thread's
// calls (IsOpen, the version query, the removal and the arrival of the mouse)
// run again and again during an upload of two macros; a call's wait is its
// time minus the protocol waits it made itself (the version query's 50 ms).
// Target: every wait below 20 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "BenchUpload.h"
#include "EmulatedMouse.h"
#include "device/Presence.h"
#include "device/UploadWorker.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

using bench::Steady;

constexpr double kTargetMs = 20.0;
constexpr char16_t kMouseName[] = u"\\\\?\\HID#VID_3E7A&PID_6D3B#7&1&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// Real sleeps, counted per thread.
class MeteredSleeper final : public Sleeper {
 public:
  void SleepMs(std::uint32_t ms) override {
    slept_ms_ += ms;
    real_.SleepMs(ms);
  }
  static std::uint64_t SleptOnThisThread() { return slept_ms_; }

 private:
  SystemClock real_;
  static thread_local std::uint64_t slept_ms_;
};
thread_local std::uint64_t MeteredSleeper::slept_ms_ = 0;

// The main window as presence sees it; nothing here waits.
class BenchWindow final : public PresenceWindow, public CountdownNotifier, public RepeatingTimer {
 public:
  explicit BenchWindow(UploadWorker& worker) : worker_(worker) {}
  bool UploadReady() override { return worker_.UploadReady(); }
  void SetUploadReadyQuietly() override { worker_.SetUploadReady(); }
  void SetFirmwareText(const std::u16string&) override {}
  void InstallHooks() override {}
  void RemoveHooks() override {}
  void PostClose() override {}
  void ShowCountdownNotice(const std::u16string&) override {}
  bool Start(std::uint32_t, std::function<void()>) override { return true; }
  void Stop() override {}

 private:
  UploadWorker& worker_;
};

class Waits {
 public:
  // Runs call on this thread and keeps its wait under name.
  void Measure(const std::string& name, const std::function<void()>& call) {
    const std::uint64_t sleptBefore = MeteredSleeper::SleptOnThisThread();
    const auto start = Steady::now();
    call();
    const double took = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
    const double own = static_cast<double>(MeteredSleeper::SleptOnThisThread() - sleptBefore);
    Stat& s = stats_[name];
    ++s.calls;
    s.longest = std::max(s.longest, took - own);
  }
  double Print(const char* scenario) const {
    double longest = 0;
    for (const auto& [name, s] : stats_) {
      std::printf("link_wait_bench %-30s %-16s %5d calls, longest wait %7.2f ms\n", scenario, name.c_str(),
                  s.calls, s.longest);
      longest = std::max(longest, s.longest);
    }
    return longest;
  }

 private:
  struct Stat {
    int calls = 0;
    double longest = 0;
  };
  std::map<std::string, Stat> stats_;
};

struct Rig {
  Rig() {
    FillProfileDefaults(store->current_record, false);
    bench::BindMacro(*store, 1, 0x15000101);
    bench::BindMacro(*store, 3, 0x15000102);
    worker.Start();
  }
  ~Rig() { worker.Stop(); }

  SystemClock clock;
  MeteredSleeper sleeper;
  EmulatedMouse mouse{clock, sleeper};
  CUSBDriver link{mouse, sleeper};
  HookState hooks;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  bench::FinishObserver observer;
  UploadSequence sequence{*store, link, hooks, observer};
  UploadWorker worker{sequence};
  BenchWindow window{worker};
  Presence presence{link, window, window, window, *store, sleeper};
};

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The UI thread asks the link what it may while an upload runs to its end.
double DuringAnUpload() {
  Rig rig;
  Waits waits;
  if (!rig.link.OpenDevice()) return -1;
  rig.worker.RequestUpload();
  while (!rig.observer.Finished()) {
    waits.Measure("IsOpen", [&] { (void)rig.link.IsOpen(); });
    waits.Measure("version query", [&] { (void)rig.link.GetFirmwareVersion(); });
    Pause(5);
  }
  (void)rig.observer.Wait();
  return waits.Print("during an upload");
}

// The mouse goes in the middle of the upload and comes back; pendingWrites:
// no output report ever completes (each one would hold the worker 1.5 s).
double UnplugDuringAnUpload(const char* scenario, bool pendingWrites) {
  Waits waits;
  for (int round = 0; round < 5; ++round) {
    Rig rig;
    if (pendingWrites) rig.mouse.AnswerWritesPending(std::nullopt);
    if (!rig.link.OpenDevice()) return -1;
    rig.worker.RequestUpload();
    Pause(300 + 170 * round);  // in the macros, between them, in the key matrix
    waits.Measure("removal", [&] { rig.presence.OnDeviceChange(kDeviceRemoveComplete, kMouseName); });
    Pause(20);
    waits.Measure("arrival", [&] { rig.presence.OnDeviceChange(kDeviceArrival, kMouseName); });
    (void)rig.observer.Wait();
  }
  return waits.Print(scenario);
}

}  // namespace
}  // namespace zk40

int main() {
  using namespace zk40;
  double longest = DuringAnUpload();
  longest = std::max(longest, UnplugDuringAnUpload("unplug during an upload", false));
  longest = std::max(longest, UnplugDuringAnUpload("unplug, writes pending", true));
  if (longest < 0) {
    std::fprintf(stderr, "link_wait_bench: the emulated mouse was not found\n");
    return 1;
  }
  std::printf("link_wait_bench longest wait of the UI thread %.2f ms, target < %.0f ms: ratio %.3f\n", longest,
              kTargetMs, longest / kTargetMs);
  return 0;
}
