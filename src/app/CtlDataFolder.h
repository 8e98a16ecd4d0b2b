#pragma once
// What the upload commands share: their arguments and the data folder loaded
// as the driver loads it at start-up.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "UploadTrace.h"
#include "settings/SettingsStore.h"

namespace zk40 {

struct UploadArguments {
  std::u16string data_folder;
  UploadTraceOptions mouse_faults;  // only for the emulated mouse
  bool trace = false;               // every report, not only the progress
  bool emulated_mouse = false;      // the emulated mouse in place of the system's HID devices
};

// Which flags a command takes besides DATA_FOLDER.
enum class UploadFlags { mouse_faults, apply };

// Nothing, after printing the reason, when the arguments are bad.
std::optional<UploadArguments> ParseUploadArguments(const char* command, const std::vector<std::u16string>& args,
                                                    UploadFlags flags);

// Macro.cfg, the profile table, the current profile and the bound macro ids,
// as the driver loads them at start-up (a missing file is named on standard
// error and replaced as the driver replaces it). Null, after printing the
// reason, when the folder cannot be read.
std::unique_ptr<SettingsStore> LoadDataFolder(const char* command, const std::u16string& folder);

}  // namespace zk40
