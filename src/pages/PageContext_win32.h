#pragma once
// What the main window shares with its five pages: the settings and texts,
// the files, the hooks, the notices, the macro and profile files, the clock,
// the launcher of host programs and the keyboard layout that names keys.
// The main window owns every one of them and outlives its pages.

#include "i18n/SharedXmlDocument.h"
#include "i18n/StringTable.h"
#include "macros/MacroStore.h"
#include "pages/DlgInfo_win32.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/KeyboardLayout.h"
#include "settings/ProfileFiles.h"
#include "settings/SettingsStore.h"
#include "shell/HookState.h"
#include "shell/ShellLauncher_win32.h"

namespace zk40 {

struct PageContext {
  SettingsStore& store;
  StringTable& strings;
  SharedXmlDocument& xml;
  FileSystem& fs;
  HookState& hooks;
  DialogNotifier& notices;
  MacroStore& macros;
  ProfileFiles& profiles;
  Clock& clock;
  ShellLauncher& launcher;
  const KeyboardLayout& keyboard;
};

}  // namespace zk40
