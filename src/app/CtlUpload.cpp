// zk40ctl upload-trace DATA_FOLDER [--fail-feature HEX] [--unplug-after N]
// zk40ctl device-state DATA_FOLDER [same options]
// Both load the data folder as the driver does at start-up and run one upload
// against the emulated mouse; upload-trace prints every event of it,
// device-state what the mouse holds afterwards.
#include <cstdio>
#include <optional>
#include <string>

#include "UploadTrace.h"
#include "app/CtlCommands.h"
#include "app/CtlDataFolder.h"

namespace zk40 {
namespace {

// The upload of the folder's current profile; nothing (with the reason
// printed) when the folder cannot be used.
std::optional<UploadTrace> TraceUpload(const char* command, const std::vector<std::u16string>& args) {
  const auto parsed = ParseUploadArguments(command, args, UploadFlags::mouse_faults);
  if (!parsed) return std::nullopt;
  const auto store = LoadDataFolder(command, parsed->data_folder);
  if (!store) return std::nullopt;
  UploadTrace trace = RunUploadTrace(*store, parsed->mouse_faults);
  if (!trace.opened) {
    std::fprintf(stderr, "zk40ctl %s: the emulated mouse was not found\n", command);
    return std::nullopt;
  }
  return trace;
}

}  // namespace

int RunUploadTraceCommand(const std::vector<std::u16string>& args) {
  const auto trace = TraceUpload("upload-trace", args);
  if (!trace) return 2;
  for (const std::string& line : trace->lines) std::printf("%s\n", line.c_str());
  return 0;
}

int RunDeviceStateCommand(const std::vector<std::u16string>& args) {
  const auto trace = TraceUpload("device-state", args);
  if (!trace) return 2;
  if (trace->succeeded) {
    std::printf("upload success\n");
  } else {
    std::printf("upload failure %d\n", trace->error_index);
  }
  std::printf("%s", trace->device_state.c_str());
  return 0;
}

}  // namespace zk40
