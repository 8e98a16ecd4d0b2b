#pragma once
// A macro store over an in-memory file system, with the notices it shows kept.
#include <memory>

#include "i18n/StringTable.h"
#include "macros/MacroStore.h"
#include "platform/Clock.h"
#include "settings/SettingsStore.h"
#include "support/FakeFileSystem.h"
#include "support/RecordingNotifier.h"

namespace zk40::test {

struct MacroStoreRig {
  std::unique_ptr<SettingsStore> settings = std::make_unique<SettingsStore>();
  FakeFileSystem fs;
  RecordingNotifier notifier;
  StringTable strings;
  VirtualClock clock;
  MacroStore macros{*settings, fs, notifier, strings, clock};
};

}  // namespace zk40::test
