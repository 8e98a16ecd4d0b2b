// Fuzz target of Macro.cfg: arbitrary bytes are loaded as the macro table,
// which the program then lists by game group, names step by step, encodes for
// the mouse and uploads (the first seven macros bound to the seven buttons)
// to the emulated mouse, whose state is read back as text.
#include <algorithm>
#include <memory>

#include "FuzzSupport.h"
#include "UploadTrace.h"
#include "macros/MacroStore.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyNames.h"
#include "protocol/MacroEncoder.h"
#include "settings/DataPaths.h"
#include "settings/ProfileDefaults.h"

namespace {

using namespace zk40;
using fuzz::Check;

void CheckBlock(const MacroBlock& block) {
  Check(block.units >= 1 && block.units <= kMacroMaxUnits);
  const auto unused = block.bytes.begin() + 2 * block.units;
  Check(std::all_of(unused, block.bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto store = std::make_unique<SettingsStore>();
  store->data_folder = fuzz::kDataFolder;
  fuzz::InputFiles files(fuzz::kDataFolder);
  files.fs.AddFile(JoinPath(fuzz::kDataFolder, kMacroFile), fuzz::Input(data, size));
  fuzz::QuietNotifier notifier;
  StringTable strings;
  VirtualClock clock;
  MacroStore macros(*store, files.fs, notifier, strings, clock);
  Check(macros.Load() == 1);

  std::size_t listed = 0;
  for (int group = 0; group < 256; ++group) listed += macros.ListGroup(group).size();
  Check(listed == static_cast<std::size_t>(std::count_if(store->macros.begin(), store->macros.end(), IsOccupied)));

  FillProfileDefaults(store->current_record, false);
  store->bound_macro_ids = {};
  int bound = 0;
  for (const MacroRecord& record : store->macros) {
    if (!IsOccupied(record)) continue;
    CheckBlock(EncodeMacro(record));
    for (std::size_t e = 0; e < MacroEventCount(record); ++e) (void)MacroKeyName(record.events[e]);
    if (bound < kButtonCount && record.macro_id != 0 && macros.Find(record.macro_id) == &record) {
      store->current_record.buttons[bound].function_type = kMacroType;
      store->current_record.buttons[bound].macro_id = record.macro_id;
      store->bound_macro_ids[static_cast<std::size_t>(bound)] = record.macro_id;
      ++bound;
    }
  }
  const UploadTrace trace = RunUploadTrace(*store, {});
  Check(trace.opened && trace.succeeded);
  Check(!trace.device_state.empty());
  return 0;
}
