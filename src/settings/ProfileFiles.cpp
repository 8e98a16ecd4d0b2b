#include "settings/ProfileFiles.h"

#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ByteImage.h"
#include "platform/Utf16Text.h"
#include "settings/DataPaths.h"
#include "settings/FileMessages.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

constexpr char16_t kInvalidProfile[] = u"%s is an invaild Profile!";
constexpr char16_t kImportSuccess[] = u"%s import success!";
constexpr char16_t kExportSuccess[] = u"%s export success!";
constexpr char16_t kExportFailed[] = u"%s export failed!";

}  // namespace

ProfileFiles::ProfileFiles(SettingsStore& store, FileSystem& fs, UserNotifier& notifier,
                           const StringTable& strings, ProfileView& view)
    : store_(store), fs_(fs), notifier_(notifier), strings_(strings), view_(view) {}

std::u16string ProfileFiles::IndexPath() const { return JoinPath(store_.data_folder, kIndexFile); }

void ProfileFiles::ReportMissing(const std::u16string& path) { ReportMissingFile(notifier_, path); }

void ProfileFiles::ReportSaveFailure(FileStatus status, const std::u16string& path) {
  ReportWriteFailure(notifier_, strings_, status, path);
}

void ProfileFiles::CopyFactoryDataFiles() {
  const std::u16string& data = store_.data_folder;
  if (fs_.FolderExists(data)) return;
  fs_.CreateFolder(data);
  fs_.CreateFolder(JoinPath(data, kProfileFolder));
  for (std::u16string_view name : kDataFiles) {
    fs_.Copy(JoinPath(store_.install_folder, name), JoinPath(data, name));
  }
}

void ProfileFiles::LoadProfileIndex() {
  std::vector<std::uint8_t> bytes;
  const std::u16string indexPath = IndexPath();
  const FileStatus status = fs_.ReadWhole(indexPath, sizeof(ProfileIndex), bytes);
  if (status == FileStatus::ok) {
    AssignFromBytes(store_.index, bytes);
  } else if (status == FileStatus::not_found) {
    ReportMissing(indexPath);
  }

  for (int k = 1; k <= kProfileCount; ++k) {
    StoreFixedText(store_.index[static_cast<std::size_t>(k - 1)].profile_path,
                   ProfilePath(store_.data_folder, k));
  }

  bool loaded = false;
  for (int e = 0; e < kProfileCount && !loaded; ++e) {
    ProfileIndexEntry& entry = store_.index[static_cast<std::size_t>(e)];
    if (entry.index_magic != kIndexMagic || entry.active == 0) continue;
    const std::u16string path = ReadFixedText(entry.profile_path);
    if (LoadProfileFile(path, true) == ProfileLoad::loaded) {
      store_.current_entry = e;
      loaded = true;
    } else {
      entry.active = 0;
      (void)CreateDefaultProfileFile(path);  // reported there
    }
  }

  if (!loaded) {
    const std::u16string first = ProfilePath(store_.data_folder, 1);
    if (LoadProfileFile(first, false) != ProfileLoad::loaded) (void)CreateDefaultProfileFile(first);
    store_.index[0].active = 1;
    store_.current_entry = 0;
  }

  ShowProfileButtons();
}

void ProfileFiles::ShowProfileButtons() {
  for (int k = 1; k <= kProfileCount; ++k) {
    const ProfileIndexEntry& entry = store_.index[static_cast<std::size_t>(k - 1)];
    view_.ShowProfileSelected(k, entry.index_magic == kIndexMagic && entry.active != 0);
  }
}

ProfileLoad ProfileFiles::LoadProfileFile(const std::u16string& path, bool reportMissing) {
  std::vector<std::uint8_t> bytes;
  const FileStatus status = fs_.ReadWhole(path, sizeof(ProfileRecord), bytes);
  if (status == FileStatus::ok) {
    if (LeadingWord(bytes) != kRecordMagic) {
      notifier_.ShowMessageBox(FormatText(kInvalidProfile, path), kInfoCaption);
      return ProfileLoad::invalid;
    }
    AssignFromBytes(store_.current_record, bytes);
    return ProfileLoad::loaded;
  }
  if (status == FileStatus::not_found && reportMissing) {
    ReportMissing(path);
    (void)CreateDefaultProfileFile(path);
  }
  return ProfileLoad::not_loaded;
}

bool ProfileFiles::CreateDefaultProfileFile(const std::u16string& path) {
  (void)fs_.CreateFolder(JoinPath(store_.data_folder, kProfileFolder));  // the write says what failed
  FillProfileDefaults(store_.current_record, store_.ui_is_chinese != 0);
  const FileStatus status = WriteFileReplacing(fs_, path, BytesOf(store_.current_record));
  if (status == FileStatus::access_denied) notifier_.ShowNotice(strings_.Get("str_msg4"), false);
  return status == FileStatus::ok;
}

void ProfileFiles::SwitchProfile(int entry) {
  if (entry < 0 || entry >= kProfileCount) return;
  ProfileIndexEntry& chosen = store_.index[static_cast<std::size_t>(entry)];
  // A file that does not load would leave the old record under the new
  // entry, and the next Apply would write it into that entry's file. A
  // missing file still gets a default file written in its place.
  const ProfileRecord kept = store_.current_record;
  if (LoadProfileFile(ReadFixedText(chosen.profile_path), true) != ProfileLoad::loaded) {
    store_.current_record = kept;
    return;
  }
  store_.current_entry = entry;
  store_.TakeBoundMacroIdsFromCurrentEntry();
  for (ProfileIndexEntry& e : store_.index) e.active = 0;
  chosen.active = 1;
  for (int k = 1; k <= kProfileCount; ++k) view_.ShowProfileSelected(k, false);
  for (int k = 1; k <= kProfileCount; ++k) {
    if (store_.index[static_cast<std::size_t>(k - 1)].active == 1) view_.ShowProfileSelected(k, true);
  }
  view_.RefreshPages();
}

void ProfileFiles::SaveCurrentProfile() {
  ProfileIndexEntry& entry = store_.CurrentEntry();
  std::copy(store_.bound_macro_ids.begin(), store_.bound_macro_ids.end(),
            std::begin(entry.entry_macro_ids));
  // In use from now on: without the mark (a lost ConfigInfo.cfg leaves none)
  // the next start would pass the entry over and begin on profile 1.
  entry.index_magic = kIndexMagic;
  const std::u16string path = ReadFixedText(entry.profile_path);
  const FileStatus status = WriteFileReplacing(fs_, path, BytesOf(store_.current_record));
  if (status != FileStatus::ok) ReportSaveFailure(status, path);
  WriteFileReplacing(fs_, IndexPath(), BytesOf(store_.index));
}

int ProfileFiles::LoadLanguageNumber() {
  const std::u16string path = JoinPath(store_.data_folder, kLanguageFile);
  std::vector<std::uint8_t> bytes;
  const FileStatus status = fs_.ReadWhole(path, 4, bytes);
  if (status != FileStatus::ok) {
    if (status == FileStatus::not_found) ReportMissing(path);
    return 1;
  }
  std::uint32_t number = 0;
  AssignFromBytes(number, bytes);
  return static_cast<int>(number);
}

void ProfileFiles::SaveLanguageNumber(int number) {
  const std::u16string path = JoinPath(store_.data_folder, kLanguageFile);
  const auto value = static_cast<std::uint32_t>(number);
  const FileStatus status = WriteFileReplacing(fs_, path, BytesOf(value));
  if (status != FileStatus::ok) ReportSaveFailure(status, path);
}

void ProfileFiles::ImportProfile(const std::u16string& path) {
  std::vector<std::uint8_t> bytes;
  const FileStatus status = fs_.ReadWhole(path, sizeof(ProfileRecord), bytes);
  if (status == FileStatus::ok && LeadingWord(bytes) == kRecordMagic) {
    AssignFromBytes(store_.current_record, bytes);
    notifier_.ShowMessageBox(FormatText(kImportSuccess, path), kInfoCaption);
  } else {
    notifier_.ShowMessageBox(FormatText(kInvalidProfile, path), kInfoCaption);
  }
}

void ProfileFiles::ExportProfile(const std::u16string& path) {
  const FileStatus status = WriteFileReplacing(fs_, path, BytesOf(store_.current_record));
  notifier_.ShowMessageBox(FormatText(status == FileStatus::ok ? kExportSuccess : kExportFailed, path),
                           kInfoCaption);
}

}  // namespace zk40
