#pragma once
// The 500-slot macro table of the settings store and its file Macro.cfg, the
// table's raw image. Callers name a macro by its macro_id; every change is
// saved at once.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/StringTable.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/UserNotifier.h"
#include "settings/MacroRecord.h"
#include "settings/SettingsStore.h"

namespace zk40 {

// A stored record is at least this large (4100 + 4 per step-list row).
inline constexpr std::uint32_t kMacroMinRecordSize = 4104;
inline constexpr std::size_t kMacroNameChars = 20;
inline constexpr std::uint32_t kMacroMagicHigh = kMacroMagic >> 16;

inline int MacroGroup(std::uint32_t macroId) { return static_cast<int>(macroId >> 24); }

// A slot that counts as holding a macro for the group lists.
bool IsOccupied(const MacroRecord& slot);

// The first slot holding the macro with this id (no occupied test), or null.
const MacroRecord* FindMacro(const MacroTable& table, std::uint32_t macroId);

struct MacroListEntry {
  std::u16string name;
  std::uint32_t macro_id;
};

// The occupied slots of a game group, in table order.
std::vector<MacroListEntry> ListMacroGroup(const MacroTable& table, int group);

class MacroStore {
 public:
  MacroStore(SettingsStore& store, FileSystem& fs, UserNotifier& notifier, const StringTable& strings,
             Sleeper& sleeper);

  // 1 when Macro.cfg was read; a missing file is reported and leaves the table as it is.
  int Load();
  void Save();
  // 1 when stored: into the slot that holds the same id, else the first free one.
  int Store(const MacroRecord* record);
  // 0 (with a notice) when the macro is bound anywhere; else removes it if
  // stored, saves, and gives 1.
  int Delete(std::uint32_t macroId);
  // Bound in any profile's last upload, or in the assignments being edited.
  bool IsInUse(std::uint32_t macroId) const;
  const MacroRecord* Find(std::uint32_t macroId) const { return FindMacro(store_.macros, macroId); }
  std::vector<MacroListEntry> ListGroup(int group) const;
  // The name is cut to 20 characters. 1 when a slot got the new name.
  int Rename(std::uint32_t macroId, std::u16string_view name);

  std::u16string Path() const;

 private:
  SettingsStore& store_;
  FileSystem& fs_;
  UserNotifier& notifier_;
  const StringTable& strings_;
  Sleeper& sleeper_;
};

}  // namespace zk40
