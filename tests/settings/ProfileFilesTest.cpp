#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "platform/ByteImage.h"
#include "settings/DataPaths.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFiles.h"
#include "support/FakeFileSystem.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingProfileView.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FsOp;

const std::u16string kData = u"C:\\users\\u\\Temp\\OSTREL\\ZK40";
const std::u16string kInstall = u"C:\\Program Files\\ZK40";
const std::u16string kIndex = kData + u"\\Profile\\ConfigInfo.cfg";
const std::u16string kMissingNotice = u"Failed to open file, check whether there is a %s path?";

std::u16string Missing(const std::u16string& path) { return FormatText(kMissingNotice, path); }

// Every temporary file a replacing write of path may use, as a fault pattern.
std::u16string Temporaries(const std::u16string& path) { return path + kTemporaryMark + u"*"; }

template <typename T>
Bytes Image(const T& value) {
  auto span = BytesOf(value);
  return Bytes(span.begin(), span.end());
}

ProfileRecord RecordWithDpi(std::int32_t firstStage) {
  ProfileRecord r;
  FillProfileDefaults(r, false);
  r.dpi_stages[0] = firstStage;
  return r;
}

class ProfileFilesTest : public ::testing::Test {
 protected:
  ProfileFilesTest() {
    store->data_folder = kData;
    store->install_folder = kInstall;
    strings.Set("str_msg2", u"Cannot find %s");
    strings.Set("str_msg4", u"No access (4)");
    strings.Set("str_msg5", u"No access (5)");
    fs.AddFolder(kData + u"\\Profile");
  }

  ProfileIndex IndexWith(std::initializer_list<std::pair<int, bool>> entries) {
    ProfileIndex index{};
    for (auto [entry, active] : entries) {
      index[static_cast<std::size_t>(entry)].index_magic = kIndexMagic;
      index[static_cast<std::size_t>(entry)].active = active ? 1 : 0;
    }
    return index;
  }

  void WriteProfile(int k, const ProfileRecord& r) { fs.AddFile(ProfilePath(kData, k), Image(r)); }

  std::vector<std::u16string> Texts() const {
    std::vector<std::u16string> t;
    for (const auto& s : notifier.shown) t.push_back(s.text);
    return t;
  }

  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  test::FakeFileSystem fs;
  test::RecordingNotifier notifier;
  test::RecordingProfileView view;
  StringTable strings;
  ProfileFiles files{*store, fs, notifier, strings, view};
};

// --- first run -------------------------------------------------------------

TEST_F(ProfileFilesTest, FirstRunCreatesTheFolderAndCopiesTheNineFilesWithoutOverwriting) {
  test::FakeFileSystem fresh;
  ProfileFiles first{*store, fresh, notifier, strings, view};
  for (auto name : kDataFiles) fresh.AddFile(JoinPath(kInstall, name), Bytes{1});
  fresh.Fail(FsOp::copy, kData + u"\\Sts.cfg", FileStatus::other);  // ignored
  first.CopyFactoryDataFiles();
  EXPECT_TRUE(fresh.FolderExists(kData + u"\\Profile"));
  EXPECT_EQ(fresh.CallCount(FsOp::copy), 9);
  EXPECT_FALSE(fresh.HasFile(kData + u"\\Sts.cfg"));
  EXPECT_TRUE(fresh.HasFile(kData + u"\\Profile\\Profile5.cfg"));
  EXPECT_TRUE(fresh.HasFile(kData + u"\\Macro.cfg"));
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ProfileFilesTest, ExistingDataFolderIsNotRefilledEvenWithFilesMissing) {
  fs.AddFile(JoinPath(kInstall, u"Macro.cfg"), Bytes{1});
  files.CopyFactoryDataFiles();
  EXPECT_EQ(fs.CallCount(FsOp::copy), 0);
  EXPECT_FALSE(fs.HasFile(kData + u"\\Macro.cfg"));
}

// --- start-up load ---------------------------------------------------------

TEST_F(ProfileFilesTest, MissingIndexGivesOneNoticeAndProfile1WithNoButtonSelected) {
  files.LoadProfileIndex();
  EXPECT_EQ(Texts(), std::vector<std::u16string>{Missing(kIndex)});
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(store->index[0].active, 1u);
  EXPECT_EQ(store->index[0].index_magic, 0u);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{}));
  // Profile1.cfg did not exist either: created with defaults, no second notice.
  ASSERT_TRUE(fs.HasFile(ProfilePath(kData, 1)));
  EXPECT_EQ(fs.Bytes(ProfilePath(kData, 1)).size(), 22160u);
  EXPECT_EQ(store->current_record.record_magic, kRecordMagic);
  EXPECT_EQ(ReadFixedText(store->index[2].profile_path), kData + u"\\Profile\\Profile3.cfg");
}

TEST_F(ProfileFilesTest, FirstOfTwoActiveEntriesIsLoadedAndTheSecondKeepsItsFlag) {
  fs.AddFile(kIndex, Image(IndexWith({{1, true}, {3, true}})));
  WriteProfile(2, RecordWithDpi(500));
  WriteProfile(4, RecordWithDpi(1250));
  files.LoadProfileIndex();
  EXPECT_EQ(store->current_entry, 1);
  EXPECT_EQ(store->current_record.dpi_stages[0], 500);
  EXPECT_EQ(store->index[3].active, 1u);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{false, true, false, true, false}));
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ProfileFilesTest, MissingActiveFileGivesOneNoticeADefaultFileAndTheWalkGoesOn) {
  fs.AddFile(kIndex, Image(IndexWith({{0, false}, {2, true}})));
  WriteProfile(1, RecordWithDpi(2000));
  files.LoadProfileIndex();
  EXPECT_EQ(Texts(), std::vector<std::u16string>{Missing(ProfilePath(kData, 3))});
  EXPECT_EQ(store->index[2].active, 0u);
  ASSERT_TRUE(fs.HasFile(ProfilePath(kData, 3)));
  EXPECT_EQ(LeadingWord(fs.Bytes(ProfilePath(kData, 3))), kRecordMagic);
  // No later active entry: Profile1.cfg, without a notice.
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(store->current_record.dpi_stages[0], 2000);
  EXPECT_EQ(store->index[0].active, 1u);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{true, false, false, false, false}));
}

TEST_F(ProfileFilesTest, ShortProfileWithTheMagicLoadsWithZeroTail) {
  fs.AddFile(kIndex, Image(IndexWith({{2, true}})));
  Bytes hundred(100, 0x11);
  hundred[0] = 0x10, hundred[1] = 0x02, hundred[2] = 0x80, hundred[3] = 0x80;
  fs.AddFile(ProfilePath(kData, 3), hundred);
  files.LoadProfileIndex();
  EXPECT_EQ(store->current_entry, 2);
  EXPECT_EQ(store->current_record.buttons[0].function_type, 0x11111111);
  EXPECT_EQ(store->current_record.wheel_lines, 0);
  EXPECT_EQ(store->current_record.dpi_stages[0], 0);
  EXPECT_EQ(fs.Bytes(ProfilePath(kData, 3)).size(), 100u) << "a loaded file is not rewritten";
}

TEST_F(ProfileFilesTest, WrongMagicAtStartUpIsReportedAndReplacedByDefaults) {
  fs.AddFile(kIndex, Image(IndexWith({{0, true}})));
  fs.AddFile(ProfilePath(kData, 1), Bytes(22160, 0));
  files.LoadProfileIndex();
  ASSERT_FALSE(notifier.shown.empty());
  EXPECT_EQ(notifier.shown[0].text, ProfilePath(kData, 1) + u" is an invaild Profile!");
  EXPECT_EQ(notifier.shown[0].caption, u"Info");
  EXPECT_FALSE(notifier.shown[0].is_notice);
  EXPECT_EQ(LeadingWord(fs.Bytes(ProfilePath(kData, 1))), kRecordMagic);
  EXPECT_EQ(store->current_record.record_magic, kRecordMagic);
}

// The current record is a profile at all times after start-up: with no file
// to load and none that can be written, the defaults are held in memory (an
// all-zero record would send no button codes at all with the next Apply).
TEST_F(ProfileFilesTest, StartUpHoldsTheDefaultsWhenNoProfileLoadsAndNoneCanBeWritten) {
  fs.Fail(FsOp::create_new, u"", FileStatus::disk_full);
  files.LoadProfileIndex();
  ProfileRecord defaults;
  FillProfileDefaults(defaults, false);
  EXPECT_EQ(std::memcmp(&store->current_record, &defaults, sizeof defaults), 0);
  EXPECT_FALSE(fs.HasFile(ProfilePath(kData, 1)));

  fs.ClearFaults();
  fs.Fail(FsOp::replace, u"", FileStatus::other);  // written whole, but the move fails
  SettingsStore& fresh = *(store = std::make_unique<SettingsStore>());
  fresh.data_folder = kData;
  ProfileFiles again{fresh, fs, notifier, strings, view};
  again.LoadProfileIndex();
  EXPECT_EQ(fresh.current_record.record_magic, kRecordMagic);
}

// Empty files read as zeros: an index with no entry in use, language 0 (which
// start-up leaves alone), and nothing ever read from the empty buffer.
TEST_F(ProfileFilesTest, EmptyIndexAndLanguageFilesReadAsZero) {
  fs.AddFile(kIndex, Bytes{});
  fs.AddFile(kData + u"\\Language.cfg", Bytes{});
  WriteProfile(1, RecordWithDpi(1750));
  files.LoadProfileIndex();
  EXPECT_TRUE(notifier.shown.empty());
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(store->current_record.dpi_stages[0], 1750);
  EXPECT_EQ(files.LoadLanguageNumber(), 0);
}

TEST_F(ProfileFilesTest, IndexReadFailureOtherThanMissingIsSilent) {
  fs.Fail(FsOp::read, kIndex, FileStatus::access_denied);
  WriteProfile(1, RecordWithDpi(1750));
  files.LoadProfileIndex();
  EXPECT_TRUE(notifier.shown.empty());
  EXPECT_EQ(store->current_record.dpi_stages[0], 1750);
}

TEST_F(ProfileFilesTest, LoadProfileFileResults) {
  const ProfileRecord before = RecordWithDpi(3000);
  store->current_record = before;
  fs.AddFile(kData + u"\\bad.cfg", Bytes{0, 0, 0, 0});
  EXPECT_EQ(files.LoadProfileFile(kData + u"\\bad.cfg", true), ProfileLoad::invalid);
  EXPECT_EQ(std::memcmp(&store->current_record, &before, sizeof before), 0) << "record unchanged";
  EXPECT_EQ(files.LoadProfileFile(kData + u"\\none.cfg", false), ProfileLoad::not_loaded);
  EXPECT_FALSE(fs.HasFile(kData + u"\\none.cfg")) << "nothing created without reportMissing";
}

// --- default file ----------------------------------------------------------

TEST_F(ProfileFilesTest, DefaultFileThatCannotBeWrittenReportsAccessAndStillGivesTheDefaults) {
  store->current_record = RecordWithDpi(1000);
  const auto path = ProfilePath(kData, 2);
  fs.Fail(FsOp::create_new, Temporaries(path), FileStatus::access_denied);
  EXPECT_FALSE(files.CreateDefaultProfileFile(path));
  EXPECT_EQ(store->current_record.dpi_stages[0], 750);
  EXPECT_EQ(Texts(), std::vector<std::u16string>{u"No access (4)"});
  EXPECT_TRUE(notifier.shown[0].is_notice);

  notifier.shown.clear();
  fs.ClearFaults();
  fs.FailWriteAfter(10);  // a full disk is silent, and does not count as written
  EXPECT_FALSE(files.CreateDefaultProfileFile(path));
  EXPECT_TRUE(notifier.shown.empty());
  EXPECT_FALSE(fs.HasFile(path));
}

TEST_F(ProfileFilesTest, DefaultFileRecreatesAMissingProfileFolder) {
  test::FakeFileSystem bare;
  bare.AddFolder(kData);
  ProfileFiles f{*store, bare, notifier, strings, view};
  EXPECT_TRUE(f.CreateDefaultProfileFile(ProfilePath(kData, 1)));
  EXPECT_TRUE(bare.HasFile(ProfilePath(kData, 1)));
}

// --- switch ----------------------------------------------------------------

TEST_F(ProfileFilesTest, SwitchLoadsTheProfileTakesItsMacrosAndMovesTheActiveFlag) {
  fs.AddFile(kIndex, Image(IndexWith({{0, true}, {1, false}, {4, true}})));
  WriteProfile(1, RecordWithDpi(500));
  WriteProfile(2, RecordWithDpi(750));
  files.LoadProfileIndex();
  store->index[1].entry_macro_ids[3] = 0x15000042;
  const std::size_t filesBefore = fs.files.size();
  files.SwitchProfile(1);
  EXPECT_EQ(store->current_entry, 1);
  EXPECT_EQ(store->current_record.dpi_stages[0], 750);
  EXPECT_EQ(store->bound_macro_ids[3], 0x15000042u);
  EXPECT_EQ(store->index[0].active, 0u);
  EXPECT_EQ(store->index[1].active, 1u);
  EXPECT_EQ(store->index[4].active, 0u);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{false, true, false, false, false}));
  EXPECT_EQ(view.refreshes, 1);
  EXPECT_EQ(fs.files.size(), filesBefore) << "a switch writes nothing";
}

TEST_F(ProfileFilesTest, SwitchToAMissingProfileWritesADefaultFileButMovesNothing) {
  fs.AddFile(kIndex, Image(IndexWith({{0, true}, {3, false}})));
  WriteProfile(1, RecordWithDpi(500));
  files.LoadProfileIndex();
  store->bound_macro_ids[0] = 7;
  store->index[3].entry_macro_ids[0] = 9;
  files.SwitchProfile(3);
  EXPECT_EQ(Texts(), std::vector<std::u16string>{Missing(ProfilePath(kData, 4))});
  EXPECT_TRUE(fs.HasFile(ProfilePath(kData, 4)));
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(store->current_record.dpi_stages[0], 500) << "the profile the user was on";
  EXPECT_EQ(store->index[0].active, 1u);
  EXPECT_EQ(store->index[3].active, 0u);
  EXPECT_EQ(store->bound_macro_ids[0], 7u);
  EXPECT_EQ(view.refreshes, 0);
}

TEST_F(ProfileFilesTest, SwitchToAFileThatDoesNotLoadLeavesEverythingWhereItWas) {
  fs.AddFile(kIndex, Image(IndexWith({{0, true}, {2, false}})));
  WriteProfile(1, RecordWithDpi(500));
  const Bytes bad(22160, 0x33);
  fs.AddFile(ProfilePath(kData, 3), bad);
  files.LoadProfileIndex();
  store->current_record.dpi_stages[0] = 1250;  // edited, not yet applied
  store->bound_macro_ids[0] = 7;
  files.SwitchProfile(2);
  EXPECT_EQ(Texts(), std::vector<std::u16string>{ProfilePath(kData, 3) + u" is an invaild Profile!"});
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(store->current_record.dpi_stages[0], 1250);
  EXPECT_EQ(store->bound_macro_ids[0], 7u);
  EXPECT_EQ(view.refreshes, 0);

  // The next Apply saves the profile the user was on, into its own file.
  files.SaveCurrentProfile();
  EXPECT_EQ(fs.Bytes(ProfilePath(kData, 3)), bad) << "the bad file is not overwritten with another profile";
  EXPECT_EQ(LeadingWord(std::span(fs.Bytes(ProfilePath(kData, 1))).subspan(22040)), 1250u);
}

// After ConfigInfo.cfg was lost no entry carries the in-use mark; the entry
// that is saved gets it, so the profile the user applied is the one the next
// start loads.
TEST_F(ProfileFilesTest, TheProfileChoiceSurvivesALostIndex) {
  WriteProfile(1, RecordWithDpi(500));
  WriteProfile(3, RecordWithDpi(2000));
  files.LoadProfileIndex();  // no ConfigInfo.cfg
  files.SwitchProfile(2);
  files.SaveCurrentProfile();
  ProfileIndex saved;
  AssignFromBytes(saved, fs.Bytes(kIndex));
  EXPECT_EQ(saved[2].index_magic, kIndexMagic);
  EXPECT_EQ(saved[2].active, 1u);
  EXPECT_EQ(saved[0].active, 0u);

  SettingsStore& next = *(store = std::make_unique<SettingsStore>());
  next.data_folder = kData;
  ProfileFiles restarted{next, fs, notifier, strings, view};
  restarted.LoadProfileIndex();
  EXPECT_EQ(next.current_entry, 2);
  EXPECT_EQ(next.current_record.dpi_stages[0], 2000);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{false, false, true, false, false}));
}

// --- save after upload -----------------------------------------------------

TEST_F(ProfileFilesTest, SaveWritesTheRecordTheMacroIdsAndTheIndex) {
  files.LoadProfileIndex();
  notifier.shown.clear();
  store->current_record.pointer_speed = 17;
  store->bound_macro_ids[6] = 0x01000005;
  files.SaveCurrentProfile();
  EXPECT_EQ(store->index[0].entry_macro_ids[6], 0x01000005u);
  const Bytes saved = fs.Bytes(ProfilePath(kData, 1));
  ASSERT_EQ(saved.size(), 22160u);
  EXPECT_EQ(LeadingWord(std::span(saved).subspan(22144)), 17u);
  EXPECT_EQ(fs.Bytes(kIndex), Image(store->index));
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(ProfileFilesTest, DiskFullDuringSaveKeepsThePreviousFileByteForByte) {
  WriteProfile(1, RecordWithDpi(1500));
  files.LoadProfileIndex();
  notifier.shown.clear();
  const Bytes before = fs.Bytes(ProfilePath(kData, 1));
  store->current_record.dpi_stages[0] = 250;
  fs.FailWriteAfter(4096);
  files.SaveCurrentProfile();
  EXPECT_EQ(fs.Bytes(ProfilePath(kData, 1)), before);
  for (const auto& [path, bytes] : fs.files) {
    EXPECT_EQ(path.find(kTemporaryMark), std::u16string::npos) << "no temporary file is left";
  }
  EXPECT_TRUE(fs.HasFile(kIndex)) << "the index is still written";
  EXPECT_TRUE(notifier.shown.empty()) << "a full disk is not one of the reported causes";
}

TEST_F(ProfileFilesTest, SaveFailuresAreReportedByCause) {
  files.LoadProfileIndex();
  notifier.shown.clear();
  const auto path = ProfilePath(kData, 1);
  fs.Fail(FsOp::create_new, Temporaries(path), FileStatus::not_found);
  fs.Fail(FsOp::write, path, FileStatus::not_found);  // the folder has gone
  files.SaveCurrentProfile();
  fs.Fail(FsOp::create_new, Temporaries(path), FileStatus::access_denied);
  files.SaveCurrentProfile();
  fs.Fail(FsOp::create_new, Temporaries(path), FileStatus::other);
  files.SaveCurrentProfile();
  EXPECT_EQ(Texts(), (std::vector<std::u16string>{u"Cannot find " + path, u"No access (5)"}));
  for (const auto& s : notifier.shown) EXPECT_EQ(s.caption, u"Info");
}

// --- language number -------------------------------------------------------

TEST_F(ProfileFilesTest, LanguageNumberIsFourBytesAndFallsBackToOne) {
  const auto path = kData + u"\\Language.cfg";
  EXPECT_EQ(files.LoadLanguageNumber(), 1);
  EXPECT_EQ(Texts(), std::vector<std::u16string>{Missing(path)});
  files.SaveLanguageNumber(7);
  EXPECT_EQ(fs.Bytes(path), (Bytes{7, 0, 0, 0}));
  EXPECT_EQ(files.LoadLanguageNumber(), 7);
  fs.AddFile(path, Bytes{2, 0, 0, 0, 99, 99});
  EXPECT_EQ(files.LoadLanguageNumber(), 2) << "only the first four bytes count";

  notifier.shown.clear();
  fs.Fail(FsOp::read, path, FileStatus::access_denied);
  EXPECT_EQ(files.LoadLanguageNumber(), 1);
  EXPECT_TRUE(notifier.shown.empty());
  fs.Fail(FsOp::create_new, Temporaries(path), FileStatus::access_denied);
  files.SaveLanguageNumber(3);
  EXPECT_EQ(Texts(), std::vector<std::u16string>{u"No access (5)"});
}

// --- import and export -----------------------------------------------------

TEST_F(ProfileFilesTest, ImportTakesAProfileAndRefusesAnythingElse) {
  const ProfileRecord before = RecordWithDpi(500);
  store->current_record = before;
  const std::u16string zero = u"D:\\zero.cfg", good = u"D:\\good.cfg", none = u"D:\\none.cfg";
  fs.AddFile(zero, Bytes(22160, 0));
  fs.AddFile(good, Image(RecordWithDpi(3000)));
  files.ImportProfile(zero);
  files.ImportProfile(none);
  EXPECT_EQ(std::memcmp(&store->current_record, &before, sizeof before), 0);
  files.ImportProfile(good);
  EXPECT_EQ(store->current_record.dpi_stages[0], 3000);
  EXPECT_EQ(Texts(), (std::vector<std::u16string>{zero + u" is an invaild Profile!", none + u" is an invaild Profile!",
                                                  good + u" import success!"}));
  EXPECT_EQ(fs.CallCount(FsOp::write) + fs.CallCount(FsOp::create_new), 0) << "an import is neither saved nor sent";
}

TEST_F(ProfileFilesTest, ExportLeavesTheUsersOtherFilesAlone) {
  fs.AddFile(u"D:\\out\\mine.cfg.new", Bytes{1, 2, 3});
  files.ExportProfile(u"D:\\out\\mine.cfg");
  EXPECT_TRUE(fs.HasFile(u"D:\\out\\mine.cfg"));
  ASSERT_TRUE(fs.HasFile(u"D:\\out\\mine.cfg.new"));
  EXPECT_EQ(fs.Bytes(u"D:\\out\\mine.cfg.new"), (Bytes{1, 2, 3}));
}

TEST_F(ProfileFilesTest, ExportWritesTheRecordOrSaysItFailed) {
  store->current_record = RecordWithDpi(1250);
  fs.AddFolder(u"D:\\out");
  files.ExportProfile(u"D:\\out\\mine.cfg");
  files.ExportProfile(u"D:\\missing\\mine.cfg");
  EXPECT_EQ(fs.Bytes(u"D:\\out\\mine.cfg"), Image(store->current_record));
  EXPECT_EQ(Texts(), (std::vector<std::u16string>{u"D:\\out\\mine.cfg export success!",
                                                  u"D:\\missing\\mine.cfg export failed!"}));
}

}  // namespace
}  // namespace zk40
