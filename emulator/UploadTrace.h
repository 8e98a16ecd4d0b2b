#pragma once
// One upload of a settings store's current profile against a fresh emulated
// mouse, on a virtual clock that starts at 0 when the upload is requested:
// the upload worker, the sequence and the link exactly as the driver runs
// them. The trace has one line per event, T being the virtual time in ms:
//   T feature HEX       a command report sent (also one the mouse rejected)
//   T output HEX        a 33-byte data report written (also one that failed)
//   T progress N
//   T pointer P S L     pointer settings applied: precision, speed, wheel lines
//   T success | T failure I
//   intercept C1 ... C12  (last line) the hooks' intercept list, 0 = free slot

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace zk40 {

struct UploadTraceOptions {
  // The mouse rejects the first command report whose bytes after the report id begin so.
  std::optional<std::vector<std::uint8_t>> fail_feature;
  // Every transfer after the first n fails, as if the mouse was unplugged.
  std::optional<std::size_t> unplug_after;
};

struct UploadTrace {
  bool opened = false;  // the link found the emulated mouse
  bool succeeded = false;
  int error_index = -1;
  std::vector<std::string> lines;
  std::string device_state;  // the mouse's state afterwards, in plain text
};

UploadTrace RunUploadTrace(const SettingsStore& store, const UploadTraceOptions& options);

}  // namespace zk40
