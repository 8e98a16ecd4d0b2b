#pragma once
// The profile files of the data folder: first-run copy, the profile table
// ConfigInfo.cfg, Profile1.cfg..Profile5.cfg, Language.cfg, import and export.
// Every message goes through the UserNotifier; every write replaces its file
// in one step, so a failed write leaves the previous file as it was.

#include <string>

#include "i18n/StringTable.h"
#include "platform/FileSystem.h"
#include "platform/UserNotifier.h"
#include "settings/SettingsStore.h"

namespace zk40 {

// What the main window shows of the profiles.
class ProfileView {
 public:
  virtual ~ProfileView() = default;
  // profile is 1..5.
  virtual void ShowProfileSelected(int profile, bool selected) = 0;
  // The button page and the lighting page show the record again.
  virtual void RefreshPages() = 0;
};

// What LoadProfileFile made of a file (the values are the codes the main
// window knows them by).
enum class ProfileLoad : int {
  not_loaded = 0,  // missing or unreadable
  loaded = 1,
  invalid = 255,  // not a profile: its magic is wrong
};

class ProfileFiles {
 public:
  ProfileFiles(SettingsStore& store, FileSystem& fs, UserNotifier& notifier,
               const StringTable& strings, ProfileView& view);

  // Creates and fills the data folder from the install folder when it does not exist.
  void CopyFactoryDataFiles();
  // Loads ConfigInfo.cfg and the current profile; marks the profile buttons.
  void LoadProfileIndex();
  ProfileLoad LoadProfileFile(const std::u16string& path, bool reportMissing);
  // Writes the factory profile to path and makes it the current record,
  // whether or not the file could be written (the current record is a
  // profile at all times after start-up). True when the file was written.
  bool CreateDefaultProfileFile(const std::u16string& path);
  // entry is 0..4. A profile whose file does not load leaves everything as
  // it was: the current entry, record, bound macro ids and flags.
  void SwitchProfile(int entry);
  // After a successful upload: the bound macro ids into the current entry,
  // which is marked in use, the record into its file, the table into
  // ConfigInfo.cfg.
  void SaveCurrentProfile();
  int LoadLanguageNumber();
  void SaveLanguageNumber(int number);
  // Import and export with the path the user chose.
  void ImportProfile(const std::u16string& path);
  void ExportProfile(const std::u16string& path);

  std::u16string IndexPath() const;

 private:
  void ReportMissing(const std::u16string& path);
  void ReportSaveFailure(FileStatus status, const std::u16string& path);
  void ShowProfileButtons();

  SettingsStore& store_;
  FileSystem& fs_;
  UserNotifier& notifier_;
  const StringTable& strings_;
  ProfileView& view_;
};

}  // namespace zk40
