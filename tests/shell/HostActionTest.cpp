#include <gtest/gtest.h>

#include "protocol/ButtonCodes.h"
#include "settings/ProfileDefaults.h"
#include "shell/HostAction.h"

namespace zk40 {
namespace {

class RecordingLauncher final : public HostLauncher {
 public:
  std::vector<std::pair<char, std::u16string>> calls;
  void PlaySoundAsync(const std::u16string& path) override { calls.emplace_back('s', path); }
  void ShellOpen(const std::u16string& target) override { calls.emplace_back('o', target); }
};

class HostActionTest : public ::testing::Test {
 protected:
  HostActionTest() { FillProfileDefaults(record, false); }
  void Bind(int button, std::uint32_t kind, std::u16string_view path) {
    record.buttons[button].function_type = kHostActionType;
    record.buttons[button].host_action_kind = kind;
    StoreFixedText(record.buttons[button].target_path, path);
  }
  ProfileRecord record;
  RecordingLauncher launcher;
};

TEST_F(HostActionTest, FolderAndFilePathsWithASpaceAreQuotedProgramsAreNot) {
  Bind(2, kHostActionFolder, u"C:\\My Games");
  Bind(1, kHostActionFile, u"C:\\notes.txt");
  Bind(3, kHostActionProgram, u"C:\\Program Files\\game.exe");
  Bind(4, kHostActionFile, u"D:\\a b.txt");
  EXPECT_TRUE(ExecuteHostAction(516, record, launcher));
  EXPECT_TRUE(ExecuteHostAction(519, record, launcher));
  EXPECT_TRUE(ExecuteHostAction(0x2020B, record, launcher));
  EXPECT_TRUE(ExecuteHostAction(0x1020B, record, launcher));
  using Calls = std::vector<std::pair<char, std::u16string>>;
  EXPECT_EQ(launcher.calls, (Calls{{'o', u"\"C:\\My Games\""},
                                   {'o', u"C:\\notes.txt"},
                                   {'o', u"C:\\Program Files\\game.exe"},
                                   {'o', u"\"D:\\a b.txt\""}}));
}

TEST_F(HostActionTest, WheelStepsPlayTheirSoundEachDirectionByItsOwnButton) {
  Bind(5, kHostActionSound, u"C:\\ding.wav");
  EXPECT_TRUE(ExecuteHostAction(0x20A01, record, launcher));
  EXPECT_FALSE(ExecuteHostAction(0x20A00, record, launcher)) << "button 6 keeps Scroll down";
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0], std::make_pair('s', std::u16string(u"C:\\ding.wav")));
}

TEST_F(HostActionTest, NothingRunsForTheLeftButtonOtherFunctionsEmptyPathsOrUnknownKinds) {
  Bind(0, kHostActionProgram, u"C:\\x.exe");
  EXPECT_FALSE(ExecuteHostAction(513, record, launcher)) << "the left button never executes";
  EXPECT_FALSE(ExecuteHostAction(516, record, launcher)) << "right button is still Menu";
  Bind(2, kHostActionProgram, u"");
  EXPECT_FALSE(ExecuteHostAction(516, record, launcher));
  Bind(2, 0xB0, u"C:\\x.exe");
  EXPECT_FALSE(ExecuteHostAction(516, record, launcher));
  EXPECT_FALSE(ExecuteHostAction(524, record, launcher)) << "a release is no event to act on";
  EXPECT_TRUE(launcher.calls.empty());
}

}  // namespace
}  // namespace zk40
