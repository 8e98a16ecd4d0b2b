// The factory files that ship must be what the generator makes, and must load
// cleanly through the same start-up path as a user's first run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FactoryData.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"
#include "settings/DataPaths.h"
#include "settings/ProfileFiles.h"
#include "support/RecordingNotifier.h"
#include "support/RecordingProfileView.h"
#include "support/TempFolder.h"

namespace zk40 {
namespace {

std::filesystem::path FactoryFolder() { return std::filesystem::path(ZK40_SOURCE_DIR) / "data" / "factory"; }

std::u16string CorePath(const std::filesystem::path& p) {
  std::u16string s = p.u16string();
  for (char16_t& c : s) if (c == u'/') c = u'\\';
  return s;
}

TEST(FactoryData, ShippedFilesEqualTheGeneratedOnes) {
  for (const FactoryFile& file : BuildFactoryFiles()) {
    std::string name = Utf16ToUtf8(file.name);
    for (char& c : name) if (c == '\\') c = '/';
    std::ifstream in(FactoryFolder() / name, std::ios::binary);
    ASSERT_TRUE(in) << name << " missing: run scripts/make-factory-data";
    const std::vector<std::uint8_t> shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(shipped == file.bytes) << name << " differs: run scripts/make-factory-data";
  }
}

// A first run of the program from the shipped install folder, on the real
// file system, into a fresh data folder.
class FirstRun : public ::testing::Test {
 protected:
  FirstRun() {
    store->install_folder = CorePath(FactoryFolder());
    store->data_folder = temp.Child(u"OSTREL\\ZK40");
    files.CopyFactoryDataFiles();
  }

  test::TempFolder temp;
  std::unique_ptr<FileSystem> fs = CreateSystemFileSystem();
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  test::RecordingNotifier notifier;
  test::RecordingProfileView view;
  StringTable strings;
  ProfileFiles files{*store, *fs, notifier, strings, view};
};

// The install folder holds the factory copy of every data file: a first run
// from the shipped folder leaves none of the nine missing.
TEST_F(FirstRun, CopiesAllNineFiles) {
  for (std::u16string_view name : kDataFiles) {
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(fs->ReadWhole(JoinPath(store->data_folder, name), 1, bytes), FileStatus::ok) << Utf16ToUtf8(name);
  }
}

TEST_F(FirstRun, LoadsProfile1Silently) {
  files.LoadProfileIndex();
  EXPECT_TRUE(notifier.shown.empty());
  EXPECT_EQ(store->current_entry, 0);
  EXPECT_EQ(view.selected, (std::array<bool, 5>{true, false, false, false, false}));
  EXPECT_EQ(files.LoadLanguageNumber(), 2);
  EXPECT_EQ(store->current_record.buttons[6].function_type, 22);
}

}  // namespace
}  // namespace zk40
