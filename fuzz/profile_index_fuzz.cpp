// Fuzz target of the profile table ConfigInfo.cfg: the first 8,000 bytes of
// the input are the table, anything after them is Profile2.cfg; the other
// profile files are a good one, a missing one and one that is not a profile.
// Start-up, every switch and every save must keep the current record a
// profile and the current entry one of the five.
#include <algorithm>
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "platform/ByteImage.h"
#include "settings/DataPaths.h"
#include "settings/ProfileDefaults.h"

namespace {

using namespace zk40;
using fuzz::Check;

void CheckState(const SettingsStore& store) {
  Check(store.current_record.record_magic == kRecordMagic);
  Check(store.current_entry >= 0 && store.current_entry < kProfileCount);
  for (int k = 1; k <= kProfileCount; ++k) {
    Check(ReadFixedText(store.index[static_cast<std::size_t>(k - 1)].profile_path) == ProfilePath(fuzz::kDataFolder, k));
  }
}

// Whether the file at path is a profile that loads.
bool Loads(test::FakeFileSystem& fs, const std::u16string& path) {
  return fs.HasFile(path) && LeadingWord(fs.Bytes(path)) == kRecordMagic;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The store holds the 2 MB macro table: one for the whole run.
  static auto store = std::make_unique<SettingsStore>();
  store->index = {};
  store->current_record = {};
  store->current_entry = 0;
  store->bound_macro_ids = {};
  store->data_folder = fuzz::kDataFolder;
  fuzz::InputFiles files(fuzz::kDataFolder + u"\\Profile");
  const std::size_t tableSize = std::min(size, sizeof(ProfileIndex));
  files.fs.AddFile(JoinPath(fuzz::kDataFolder, kIndexFile), fuzz::Input(data, tableSize));
  ProfileRecord good;
  FillProfileDefaults(good, true);
  const auto goodBytes = BytesOf(good);
  files.fs.AddFile(ProfilePath(fuzz::kDataFolder, 1), {goodBytes.begin(), goodBytes.end()});
  if (size > tableSize) files.fs.AddFile(ProfilePath(fuzz::kDataFolder, 2), fuzz::Input(data + tableSize, size - tableSize));
  files.fs.AddFile(ProfilePath(fuzz::kDataFolder, 4), std::vector<std::uint8_t>(64, 0));

  fuzz::QuietNotifier notifier;
  fuzz::NoProfileView view;
  StringTable strings;
  ProfileFiles profiles(*store, files.fs, notifier, strings, view);
  profiles.LoadProfileIndex();
  store->TakeBoundMacroIdsFromCurrentEntry();
  CheckState(*store);

  for (int entry = 0; entry < kProfileCount; ++entry) {
    const int before = store->current_entry;
    const ProfileRecord record = store->current_record;
    const bool loads = Loads(files.fs, ProfilePath(fuzz::kDataFolder, entry + 1));
    profiles.SwitchProfile(entry);
    CheckState(*store);
    if (loads) {
      Check(store->current_entry == entry);
      Check(std::equal(store->bound_macro_ids.begin(), store->bound_macro_ids.end(),
                       std::begin(store->CurrentEntry().entry_macro_ids)));
      Check(store->CurrentEntry().active == 1);
    } else {
      // A profile that does not load leaves everything where it was.
      Check(store->current_entry == before);
      Check(std::memcmp(&store->current_record, &record, sizeof record) == 0);
    }
    profiles.SaveCurrentProfile();
    Check(store->CurrentEntry().index_magic == kIndexMagic);
  }

  // What was saved is what the next start reads.
  SettingsStore& next = *store;
  const ProfileIndex saved = next.index;
  next.current_record = ProfileRecord{};
  profiles.LoadProfileIndex();
  CheckState(next);
  Check(std::memcmp(&next.index[static_cast<std::size_t>(next.current_entry)].entry_macro_ids,
                    &saved[static_cast<std::size_t>(next.current_entry)].entry_macro_ids,
                    sizeof saved[0].entry_macro_ids) == 0);
  return 0;
}
