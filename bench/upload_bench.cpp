// Uploads against the emulated mouse with real waits: the time from the
// request to the result, divided by the sum of the waits the protocol asked
// for. Everything but the waits should cost next to nothing (target <= 1.02).
#include <chrono>
#include <cstdio>
#include <memory>

#include "BenchUpload.h"
#include "EmulatedMouse.h"
#include "device/UploadWorker.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

using bench::FinishObserver;
using bench::Steady;

// Real sleeps, and the sum of what was asked for.
class CountingSleeper final : public Sleeper {
 public:
  explicit CountingSleeper(Sleeper& real) : real_(real) {}
  void SleepMs(std::uint32_t ms) override {
    asked_ += ms;
    real_.SleepMs(ms);
  }
  std::uint64_t asked() const { return asked_; }
  void reset() { asked_ = 0; }

 private:
  Sleeper& real_;
  std::uint64_t asked_ = 0;  // only the worker sleeps
};

}  // namespace
}  // namespace zk40

int main() {
  using namespace zk40;
  SystemClock real;
  CountingSleeper sleeper(real);
  EmulatedMouse mouse(real, sleeper);
  CUSBDriver link(mouse, sleeper);
  if (!link.OpenDevice()) {
    std::fprintf(stderr, "upload_bench: the emulated mouse was not found\n");
    return 1;
  }
  auto store = std::make_unique<SettingsStore>();
  HookState hooks;
  FinishObserver observer;
  UploadSequence sequence(*store, link, hooks, observer);
  UploadWorker worker(sequence);
  worker.Start();

  struct Case {
    const char* name;
    int macros;
  };
  const Case cases[] = {{"factory profile", 0}, {"one macro", 1}, {"three macros", 3}};
  double worst = 0;
  for (const Case& c : cases) {
    FillProfileDefaults(store->current_record, false);
    store->bound_macro_ids = {};
    for (int b = 0; b < c.macros; ++b) {
      const std::uint32_t id = 0x15000100 + static_cast<std::uint32_t>(b);
      bench::BindMacro(*store, b, id);
    }
    sleeper.reset();
    const auto start = Steady::now();
    worker.RequestUpload();
    const auto [end, ok] = observer.Wait();
    const double measured = std::chrono::duration<double, std::milli>(end - start).count();
    const double waits = static_cast<double>(sleeper.asked());
    const double ratio = measured / waits;
    worst = ratio > worst ? ratio : worst;
    std::printf("upload_bench %-16s %s: measured %.1f ms, waits %.0f ms, ratio %.4f\n", c.name,
                ok ? "success" : "FAILED", measured, waits, ratio);
  }
  worker.Stop();
  std::printf("upload_bench worst ratio %.4f (target <= 1.02)\n", worst);
  return 0;
}
