#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Utf16Text.h"
#include "shell/ApplicationStart.h"
#include "shell/MainWindowRules.h"

namespace zk40 {
namespace {

struct RecordingStart final : StartSystem {
  bool CreateMutexExisted(const std::u16string& name) override {
    log.push_back("mutex " + Utf16ToUtf8(name));
    return running;
  }
  void WakeWindow(const std::u16string& title) override { log.push_back("wake " + Utf16ToUtf8(title)); }
  std::u16string TempPath() override {
    log.push_back("temp");
    return u"C:\\users\\me\\Temp\\";
  }
  std::u16string ProgramPath() override {
    log.push_back("program");
    return u"C:\\Program Files\\Ostrel\\ZK40\\ZK40Driver.exe";
  }
  void LoadLanguageFile(const std::u16string& path) override { log.push_back("language " + Utf16ToUtf8(path)); }
  void RunMainWindow() override { log.push_back("window"); }
  bool running = false;
  std::vector<std::string> log;
};

TEST(ApplicationStartTest, AFirstStartFixesBothFoldersAndLoadsChineseBeforeTheWindow) {
  RecordingStart system;
  auto store = std::make_unique<SettingsStore>();
  EXPECT_EQ(RunApplicationStart(system, *store), StartResult::main_window_ended);
  EXPECT_EQ(system.log, (std::vector<std::string>{"mutex ZK40Driver.exe", "temp", "program",
                                                  "language C:\\Program Files\\Ostrel\\ZK40\\Language\\sc.xml",
                                                  "window"}));
  EXPECT_EQ(store->data_folder, u"C:\\users\\me\\Temp\\OSTREL\\ZK40");
  EXPECT_EQ(store->install_folder, u"C:\\Program Files\\Ostrel\\ZK40");
}

TEST(ApplicationStartTest, ASecondStartOnlyWakesTheRunningWindow) {
  RecordingStart system;
  system.running = true;
  auto store = std::make_unique<SettingsStore>();
  EXPECT_EQ(RunApplicationStart(system, *store), StartResult::woke_running_copy);
  EXPECT_EQ(system.log,
            (std::vector<std::string>{"mutex ZK40Driver.exe", "wake Ostrel ZK40 Gaming Mouse Driver"}));
  EXPECT_TRUE(store->data_folder.empty());
  EXPECT_TRUE(store->install_folder.empty());
}

TEST(ApplicationStartTest, TheInstallFolderIsThePathCutBeforeItsLastBackslash) {
  EXPECT_EQ(InstallFolderOf(u"D:\\ZK40Driver.exe"), u"D:");
  EXPECT_EQ(InstallFolderOf(u"\\\\server\\share\\a.b\\ZK40Driver.exe"), u"\\\\server\\share\\a.b");
  EXPECT_EQ(InstallFolderOf(u"ZK40Driver.exe"), u"");
  EXPECT_EQ(DataFolderOf(u"C:\\Temp\\"), u"C:\\Temp\\OSTREL\\ZK40");
}

TEST(MainWindowRulesTest, AFailedUploadNamesItsStepInEnglishAndAnUnknownIndexGivesNoText) {
  EXPECT_EQ(UploadFailedText(0), u"write mousekey metix fail.\n");
  EXPECT_EQ(UploadFailedText(1), u"Write mouse LED color failed.\n");
  EXPECT_EQ(UploadFailedText(2), u"Write mouse effect failed.\n");
  EXPECT_EQ(UploadFailedText(4), u"Write mouse touch failed.\n");
  EXPECT_EQ(UploadFailedText(5), u"Write mouse DPI failed.\n");
  for (long other : {3L, 6L, -1L, 1796L}) EXPECT_EQ(UploadFailedText(other), u"") << other;
}

TEST(MainWindowRulesTest, OnlyTheButtonAndLightingTabsKeepProfilesAndApply) {
  for (int tab = 1; tab <= kTabCount; ++tab) {
    const TabView view = TabViewFor(tab);
    EXPECT_EQ(view.visible_page, tab);
    EXPECT_EQ(view.profiles_enabled, tab <= 2) << tab;
    EXPECT_EQ(view.refresh_page, tab <= 2) << tab;
    // Leaving for any tab but the macro page's closes its game menu and recording.
    EXPECT_EQ(view.leaves_macro_page, tab != 3) << tab;
  }
  EXPECT_EQ(TabViewFor(0).visible_page, 1);
  EXPECT_EQ(TabViewFor(6).visible_page, 1);
}

}  // namespace
}  // namespace zk40
