#pragma once
// The one process-wide state of the program. Pages, the main window and the
// upload worker read and write its members directly; only the UI thread
// writes, and the worker reads while the modal progress dialog keeps the user
// from editing.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "settings/MacroRecord.h"
#include "settings/ProfileLayout.h"

namespace zk40 {

struct SettingsStore {
  int ui_is_chinese = 0;       // 1 while Simplified Chinese is the UI language
  int install_is_chinese = 0;  // from skins\languagetype.ini, fixed at start-up

  ProfileRecord current_record{};
  ProfileIndex index{};
  int current_entry = 0;  // 0..4: which index entry is the current profile
  std::array<std::uint32_t, kButtonCount> bound_macro_ids{};
  MacroTable macros{};

  std::u16string install_folder;  // without a trailing backslash
  std::u16string data_folder;     // temp path + "OSTREL\ZK40"

  ProfileIndexEntry& CurrentEntry() { return index[static_cast<std::size_t>(current_entry)]; }
  const ProfileIndexEntry& CurrentEntry() const { return index[static_cast<std::size_t>(current_entry)]; }

  // The bound macro ids become those of the current entry (start-up, switch).
  void TakeBoundMacroIdsFromCurrentEntry() {
    const ProfileIndexEntry& entry = CurrentEntry();
    std::copy(std::begin(entry.entry_macro_ids), std::end(entry.entry_macro_ids), bound_macro_ids.begin());
  }
};

}  // namespace zk40
