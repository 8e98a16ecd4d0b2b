// zk40ctl apply DATA_FOLDER [--trace]: uploads the data folder's current
// profile to the plugged-in mouse, as the driver's Apply does, with the
// protocol's waits; one line per step ("T progress N", "T pointer P S L",
// "T success" or "T failure I"; with --trace also every report, in the format
// of upload-trace, and the hooks' intercept list last).
// zk40ctl info: the mouse's firmware version.
// Both take the hidden --emulated-mouse: the emulated mouse, behind the hidraw
// layer as Linux shows a ZK40, on a virtual clock, so that tests run them
// end to end without a device.
#include <cinttypes>
#include <cstdio>
#include <optional>

#include "EmulatedHidraw.h"
#include "app/CtlCommands.h"
#include "app/CtlDataFolder.h"
#include "app/TracingHidSystem.h"
#include "device/UploadSequence.h"
#include "platform/HidrawSystem.h"
#include "platform/SystemHidSystem.h"
#include "platform/Utf16Text.h"

#ifdef _WIN32
#include "shell/WindowsMouseSettings_win32.h"
#endif

namespace zk40 {
namespace {

// The mouse the commands talk to, and the time its waits take.
struct MouseConnection {
  VirtualClock virtual_clock;
  SystemClock system_clock;
  std::unique_ptr<EmulatedMouse> emulated;
  std::unique_ptr<EmulatedHidraw> emulated_nodes;
  std::unique_ptr<HidSystem> system;
  Clock* clock = &system_clock;
  Sleeper* sleeper = &system_clock;

  MouseConnection(bool emulatedMouse, const UploadTraceOptions& faults) {
    if (!emulatedMouse) {
      system = CreateSystemHidSystem();
      return;
    }
    clock = &virtual_clock;
    sleeper = &virtual_clock;
    emulated = std::make_unique<EmulatedMouse>(virtual_clock, virtual_clock);
    if (faults.fail_feature) emulated->RejectFeatureStartingWith(*faults.fail_feature);
    if (faults.unplug_after) emulated->UnplugAfter(*faults.unplug_after);
    emulated_nodes = std::make_unique<EmulatedHidraw>(*emulated);
    system = std::make_unique<HidrawSystem>(*emulated_nodes);
  }

  void ReportNotFound(const char* command) const {
    std::fprintf(stderr, "zk40ctl %s: no ZK40 found; is it plugged in?\n", command);
    const auto* hidraw = dynamic_cast<const HidrawSystem*>(system.get());
    if (hidraw && hidraw->AccessWasDenied()) {
      std::fprintf(stderr,
                   "zk40ctl %s: some hidraw devices could not be opened for want of permission: install "
                   "data/linux/70-zk40.rules (see the README) and plug the mouse in again\n",
                   command);
    }
  }
};

// Lines on standard output, each led by the milliseconds since the start.
class TimedLines {
 public:
  explicit TimedLines(Clock& clock) : clock_(clock), start_(clock.NowMs()) {}
  void Restart() { start_ = clock_.NowMs(); }
  void Print(const std::string& event) {
    std::printf("%" PRIu64 " %s\n", clock_.NowMs() - start_, event.c_str());
    std::fflush(stdout);
  }

 private:
  Clock& clock_;
  std::uint64_t start_;
};

const char* UploadStepName(int errorIndex) {
  switch (errorIndex) {
    case static_cast<int>(UploadError::key_matrix):
      return "the button assignments (key matrix)";
    case static_cast<int>(UploadError::colour):
      return "the lighting colour";
    case static_cast<int>(UploadError::effect):
      return "the lighting effect";
    case static_cast<int>(UploadError::touch):
      return "proximity sensing";
    case static_cast<int>(UploadError::dpi):
      return "the DPI stages";
    default:
      return "an unknown step";
  }
}

class ConsoleUploadObserver final : public UploadObserver {
 public:
  ConsoleUploadObserver(TimedLines& lines, bool realMouse) : lines_(lines), real_mouse_(realMouse) {}

  void OnProgress(int percent) override { lines_.Print("progress " + std::to_string(percent)); }
  void ApplyPointerSettings(int precision, int speed, int wheelLines) override {
    lines_.Print("pointer " + std::to_string(precision) + " " + std::to_string(speed) + " " +
                 std::to_string(wheelLines));
    if (!real_mouse_) return;
#ifdef _WIN32
    ApplyWindowsMouseSettings(nullptr, precision, speed, wheelLines);
#else
    std::fprintf(stderr,
                 "zk40ctl apply: pointer precision %d, speed %d and wheel lines %d are Windows settings; they "
                 "were not changed here\n",
                 precision, speed, wheelLines);
#endif
  }
  void OnUploadFinished() override { lines_.Print("success"); }
  void OnUploadFailed(UploadError error) override {
    const int errorIndex = static_cast<int>(error);
    lines_.Print("failure " + std::to_string(errorIndex));
    error_index_ = errorIndex;
  }
  int ErrorIndex() const { return error_index_; }

 private:
  TimedLines& lines_;
  bool real_mouse_;
  int error_index_ = -1;
};

}  // namespace

int RunApplyCommand(const std::vector<std::u16string>& args) {
  const auto parsed = ParseUploadArguments("apply", args, UploadFlags::apply);
  if (!parsed) return 2;
  const auto store = LoadDataFolder("apply", parsed->data_folder);
  if (!store) return 2;

  MouseConnection connection(parsed->emulated_mouse, parsed->mouse_faults);
  TimedLines lines(*connection.clock);
  TracingHidSystem traced(*connection.system, [&lines](const std::string& event) { lines.Print(event); });
  HidSystem& hid = parsed->trace ? static_cast<HidSystem&>(traced) : *connection.system;
  CUSBDriver link(hid, *connection.sleeper);
  if (!link.OpenDevice()) {
    connection.ReportNotFound("apply");
    return 1;
  }

  HookState hooks;
  ConsoleUploadObserver observer(lines, !parsed->emulated_mouse);
  UploadSequence sequence(*store, link, hooks, observer);
  lines.Restart();
  const bool uploaded = sequence.Run();
  if (parsed->trace) {
    std::string intercept = "intercept";
    for (std::uint32_t code : hooks.InterceptList()) intercept += " " + std::to_string(code);
    std::printf("%s\n", intercept.c_str());
  }
  if (!uploaded) {
    std::fprintf(stderr, "zk40ctl apply: the upload stopped at %s (error %d)\n",
                 UploadStepName(observer.ErrorIndex()), observer.ErrorIndex());
    return 1;
  }
  return 0;
}

int RunInfoCommand(const std::vector<std::u16string>& args) {
  bool emulated = false;
  for (const std::u16string& arg : args) {
    if (arg != u"--emulated-mouse") {
      std::fprintf(stderr, "zk40ctl info: unexpected argument '%s'\n", Utf16ToUtf8(arg).c_str());
      return 2;
    }
    emulated = true;
  }
  MouseConnection connection(emulated, {});
  CUSBDriver link(*connection.system, *connection.sleeper);
  if (!link.OpenDevice()) {
    connection.ReportNotFound("info");
    return 1;
  }
  const std::optional<int> version = link.GetFirmwareVersion();
  if (!version) {
    std::fprintf(stderr, "zk40ctl info: the mouse did not answer the version query\n");
    return 1;
  }
  std::printf("firmware %d\n", *version);
  return 0;
}

}  // namespace zk40
