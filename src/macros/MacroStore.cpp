#include "macros/MacroStore.h"

#include <algorithm>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/ByteImage.h"
#include "platform/Utf16Text.h"
#include "protocol/FunctionTable.h"
#include "settings/DataPaths.h"

namespace zk40 {
namespace {

constexpr char16_t kInUseChinese[] = u"当前宏正在被使用，不能删除！";
constexpr char16_t kInUseEnglish[] = u"The macro is being applied and cannot be deleted!";
constexpr std::uint32_t kSaveWaitMs = 100;

template <typename Table>
auto* FindSlot(Table& table, std::uint32_t macroId) {
  auto it = std::find_if(table.begin(), table.end(), [macroId](const MacroRecord& r) { return r.macro_id == macroId; });
  return it == table.end() ? nullptr : &*it;
}

// A name field holding at most 20 characters of name, zero-filled.
void StoreName(char16_t (&field)[kMacroNameUnits], std::u16string_view name) {
  std::memset(field, 0, sizeof field);
  StoreFixedText(field, kMacroNameChars + 1, name);
}

}  // namespace

bool IsOccupied(const MacroRecord& slot) {
  return slot.record_size >= kMacroMinRecordSize || (slot.magic >> 16) == kMacroMagicHigh;
}

const MacroRecord* FindMacro(const MacroTable& table, std::uint32_t macroId) {
  return FindSlot(table, macroId);
}

MacroStore::MacroStore(SettingsStore& store, FileSystem& fs, UserNotifier& notifier, const StringTable& strings,
                       Sleeper& sleeper)
    : store_(store), fs_(fs), notifier_(notifier), strings_(strings), sleeper_(sleeper) {}

std::u16string MacroStore::Path() const { return JoinPath(store_.data_folder, kMacroFile); }

int MacroStore::Load() {
  const std::u16string path = Path();
  std::vector<std::uint8_t> bytes;
  const FileStatus status = fs_.ReadWhole(path, sizeof(MacroTable), bytes);
  if (status == FileStatus::ok) {
    // A shorter file fills the first slots; the rest stay free.
    AssignFromBytes(store_.macros, bytes);
    return 1;
  }
  if (status == FileStatus::not_found) notifier_.ShowNotice(FormatText(strings_.Get("str_msg2"), path), false);
  return 0;
}

void MacroStore::Save() {
  const std::u16string path = Path();
  std::vector<std::uint8_t> probe;
  const bool existed = fs_.ReadWhole(path, 0, probe) != FileStatus::not_found;
  if (!existed) notifier_.ShowMessageBox(FormatText(strings_.Get("str_msg2"), path), kInfoCaption);
  if (existed) sleeper_.SleepMs(kSaveWaitMs);
  const FileStatus status = WriteFileReplacing(fs_, path, BytesOf(store_.macros));
  if (existed) sleeper_.SleepMs(kSaveWaitMs);
  // Denied access would otherwise lose every later change without a word.
  if (status == FileStatus::access_denied) notifier_.ShowMessageBox(strings_.Get("str_msg4"), kInfoCaption);
}

int MacroStore::Store(const MacroRecord* record) {
  if (!record || record->record_size < kMacroMinRecordSize || (record->magic >> 16) != kMacroMagicHigh) return 0;
  const MacroRecord incoming = *record;  // the record may be a slot of the table itself
  MacroRecord* slot = FindSlot(store_.macros, incoming.macro_id);
  if (!slot) {
    auto free = std::find_if(store_.macros.begin(), store_.macros.end(), [](const MacroRecord& r) { return r.magic == 0; });
    if (free == store_.macros.end()) return 0;
    slot = &*free;
  }
  const std::size_t count = MacroEventCount(incoming);
  std::fill(std::begin(slot->events), std::end(slot->events), 0u);
  std::copy_n(incoming.events, count, slot->events);
  slot->macro_id = incoming.macro_id;
  slot->event_count = static_cast<std::uint32_t>(count);
  slot->loop_count = incoming.loop_count;
  slot->reserved = incoming.reserved;
  std::copy(std::begin(incoming.name), std::end(incoming.name), slot->name);
  slot->record_size = incoming.record_size;
  slot->magic = incoming.magic;
  Save();
  return 1;
}

bool MacroStore::IsInUse(std::uint32_t macroId) const {
  if (macroId == 0) return false;  // 0 is "no macro", the value of every unbound button
  for (const ProfileIndexEntry& entry : store_.index) {
    if (std::find(std::begin(entry.entry_macro_ids), std::end(entry.entry_macro_ids), macroId) !=
        std::end(entry.entry_macro_ids))
      return true;
  }
  for (const ButtonAssignment& button : store_.current_record.buttons) {
    if (button.function_type == kMacroType && button.macro_id == macroId) return true;
  }
  return false;
}

int MacroStore::Delete(std::uint32_t macroId) {
  if (IsInUse(macroId)) {
    notifier_.ShowNotice(store_.ui_is_chinese == 1 ? kInUseChinese : kInUseEnglish, false);
    return 0;
  }
  if (MacroRecord* slot = FindSlot(store_.macros, macroId)) std::memset(slot, 0, sizeof *slot);
  Save();
  return 1;
}

std::vector<MacroListEntry> ListMacroGroup(const MacroTable& table, int group) {
  std::vector<MacroListEntry> list;
  for (const MacroRecord& slot : table) {
    if (IsOccupied(slot) && MacroGroup(slot.macro_id) == group) list.push_back({ReadFixedText(slot.name), slot.macro_id});
  }
  return list;
}

std::vector<MacroListEntry> MacroStore::ListGroup(int group) const { return ListMacroGroup(store_.macros, group); }

int MacroStore::Rename(std::uint32_t macroId, std::u16string_view name) {
  char16_t field[kMacroNameUnits];
  StoreName(field, name);
  const std::u16string wanted = ReadFixedText(field);
  bool renamed = false;
  for (MacroRecord& slot : store_.macros) {
    if (slot.macro_id != macroId || !IsOccupied(slot) || ReadFixedText(slot.name) == wanted) continue;
    std::copy(std::begin(field), std::end(field), slot.name);
    renamed = true;
  }
  if (renamed) Save();
  return renamed ? 1 : 0;
}

}  // namespace zk40
