#include <gtest/gtest.h>

#include "EmulatedMouse.h"
#include "device/Presence.h"
#include "protocol/DeviceIdText.h"
#include "support/PresenceFakes.h"

namespace zk40 {
namespace {

using Log = std::vector<std::string>;

constexpr char16_t kMouseName[] = u"\\\\?\\USB#VID_3E7A&PID_6D3B#6&1a2b3c&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
constexpr char16_t kOtherName[] = u"\\\\?\\USB#VID_046D&PID_C077#5&abc&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const std::string kFound = "notice The ZK40 gaming mouse is found.";
const std::string kLost = "notice The ZK40 gaming mouse cannot be found.";

class PresenceTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  SettingsStore settings;
  test::RecordingPresenceWindow window;
  test::ManualTimer timer;
  Presence presence{link, window, window, timer, settings, clock};

  void SetUp() override { ASSERT_TRUE(link.OpenDevice()); }
  void Unplug() {
    mouse.interfaces.clear();
    presence.OnDeviceChange(kDeviceRemoveComplete, kMouseName);
  }
};

TEST(DeviceChangeTest, OnlyArrivalAndRemovalOfTheMouseCount) {
  EXPECT_EQ(ClassifyDeviceChange(kDeviceArrival, kMouseName), DeviceChange::mouse_arrived);
  EXPECT_EQ(ClassifyDeviceChange(kDeviceRemoveComplete, kMouseName), DeviceChange::mouse_removed);
  EXPECT_EQ(ClassifyDeviceChange(kDeviceArrival, u"\\\\?\\usb#vid_3e7a&pid_6d3b#7&0&1#{a5dcbf10}"),
            DeviceChange::mouse_arrived);
  EXPECT_EQ(ClassifyDeviceChange(kDeviceRemoveComplete, kOtherName), DeviceChange::none);
  EXPECT_EQ(ClassifyDeviceChange(kDeviceArrival, u"VID_3E7A&PID_6D3"), DeviceChange::none);
  EXPECT_EQ(ClassifyDeviceChange(kDeviceArrival, u""), DeviceChange::none);
  for (std::uint32_t other : {0x0007u, 0x8001u, 0x8003u, 0x8006u}) {
    EXPECT_EQ(ClassifyDeviceChange(other, kMouseName), DeviceChange::none) << other;
  }
}

TEST(DeviceIdTextTest, OnlyTheFirstHardwareIdIsSearchedAndNeverPastTheBuffer) {
  const char16_t ids[] = u"USB\\VID_04D9&PID_8022&REV_0100\0USB\\VID_3E7A&PID_6D3B\0";
  const std::u16string_view first = FirstHardwareId(ids);
  EXPECT_EQ(first, u"USB\\VID_04D9&PID_8022&REV_0100");
  EXPECT_TRUE(ContainsIgnoringCase(first, u"vid_04d9&pid_8022"));
  EXPECT_FALSE(ContainsIgnoringCase(first, kMouseFilterText));

  // A list cut off by its buffer, without a terminator.
  const char16_t cut[] = {u'U', u'S', u'B', u'\\', u'V', u'I', u'D'};
  EXPECT_EQ(FirstHardwareId(cut), u"USB\\VID");
  EXPECT_FALSE(ContainsIgnoringCase(u"USB\\VID", u"USB\\VIDX"));
}

TEST_F(PresenceTest, UnpluggingAnotherDeviceDoesNothing) {
  presence.OnDeviceChange(kDeviceRemoveComplete, kOtherName);
  presence.OnDeviceChange(kDeviceArrival, kOtherName);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(window.log, Log{});
  EXPECT_EQ(timer.starts, 0);
}

TEST_F(PresenceTest, UnpluggingTheMouseWhileIdleClosesTheLinkThenTheProgramAfterTheNotice) {
  Unplug();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(mouse.OpenHandles(), 0);
  EXPECT_EQ(window.log, (Log{"remove hooks", kLost, "close"}));
}

TEST_F(PresenceTest, NoticesAreInChineseWhileTheInterfaceIs) {
  settings.ui_is_chinese = 1;
  presence.OnDeviceChange(kDeviceArrival, kMouseName);
  Unplug();
  EXPECT_EQ(window.log, (Log{"firmware 17", "install hooks", "notice 发现ZK40游戏鼠标.", "remove hooks",
                             "notice 没有找到ZK40游戏鼠标.", "close"}));
}

TEST_F(PresenceTest, PluggingTheMouseBackWhileIdleOpensReadsTheVersionHooksThenTellsTheUser) {
  Unplug();
  window.log.clear();
  mouse.interfaces = {Zk40Interface()};
  mouse.SetFirmwareVersion(2, 5);
  presence.OnDeviceChange(kDeviceArrival, kMouseName);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(window.log, (Log{"firmware 25", "install hooks", kFound}));
  EXPECT_EQ(timer.starts, 0);
}

TEST_F(PresenceTest, RemovalAndArrivalDuringAnUploadPassWithoutANoticeAndLeaveTheFlagSet) {
  window.upload_ready = false;
  Unplug();
  EXPECT_FALSE(link.IsOpen());
  mouse.interfaces = {Zk40Interface()};
  presence.OnDeviceChange(kDeviceArrival, kMouseName);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(window.upload_ready);
  EXPECT_EQ(window.log, (Log{"remove hooks", "firmware 17", "install hooks", "ready"}));
}

TEST_F(PresenceTest, AnArrivalThatCannotOpenYetRetriesFromTheTimerWithoutWaiting) {
  Unplug();
  window.log.clear();
  presence.OnDeviceChange(kDeviceArrival, kMouseName);
  EXPECT_TRUE(presence.ArrivalPending());
  EXPECT_TRUE(timer.running);
  EXPECT_EQ(timer.period_ms, kArrivalRetryMs);
  EXPECT_EQ(clock.NowMs(), 0u);  // the UI thread was not held
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(window.log, Log{});
  EXPECT_EQ(timer.starts, 1);  // one timer for all attempts

  mouse.interfaces = {Zk40Interface()};
  timer.Tick();
  EXPECT_TRUE(link.IsOpen());
  EXPECT_FALSE(timer.running);
  EXPECT_FALSE(presence.ArrivalPending());
  EXPECT_EQ(window.log, (Log{"firmware 17", "install hooks", kFound}));
}

TEST_F(PresenceTest, RemovalWhileAnArrivalWaitsEndsTheWait) {
  Unplug();
  presence.OnDeviceChange(kDeviceArrival, kMouseName);
  ASSERT_TRUE(timer.running);
  window.log.clear();
  mouse.interfaces = {Zk40Interface()};
  presence.OnDeviceChange(kDeviceRemoveComplete, kMouseName);
  EXPECT_FALSE(timer.running);
  EXPECT_FALSE(presence.ArrivalPending());
  timer.Tick();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(window.log, (Log{"remove hooks", kLost, "close"}));
}

// Virtual waits that run a step of the test after each one.
struct SteppingSleeper final : Sleeper {
  int waits = 0;
  std::function<void(int)> after_wait;
  void SleepMs(std::uint32_t) override {
    ++waits;
    if (after_wait) after_wait(waits);
  }
};

// Without a timer the arrival is not dropped: it is retried here, 2500 ms
// apart and without limit, asking for a timer again each time.
TEST_F(PresenceTest, AnArrivalWhoseRetryTimerCannotStartIsRetriedAllTheSame) {
  Unplug();
  window.log.clear();
  timer.refuse = true;
  SteppingSleeper sleeper;
  sleeper.after_wait = [&](int waits) {
    if (waits == 3) mouse.interfaces = {Zk40Interface()};  // the interface appears at last
  };
  Presence retrying{link, window, window, timer, settings, sleeper};
  retrying.OnDeviceChange(kDeviceArrival, kMouseName);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(sleeper.waits, 3);
  EXPECT_EQ(timer.starts, 3);
  EXPECT_EQ(window.log, (Log{"remove hooks", "firmware 17", "install hooks", kFound}));
}

TEST_F(PresenceTest, AnArrivalRetriedWithoutATimerGoesBackToOneOnceItCanHaveIt) {
  Unplug();
  timer.refuse = true;
  SteppingSleeper sleeper;
  sleeper.after_wait = [&](int) { timer.refuse = false; };
  Presence retrying{link, window, window, timer, settings, sleeper};
  retrying.OnDeviceChange(kDeviceArrival, kMouseName);
  EXPECT_EQ(sleeper.waits, 1);
  EXPECT_TRUE(retrying.ArrivalPending());
  EXPECT_TRUE(timer.running);
  mouse.interfaces = {Zk40Interface()};
  timer.Tick();
  EXPECT_TRUE(link.IsOpen());
  EXPECT_FALSE(timer.running);
}

TEST_F(PresenceTest, FirmwareTextIsTheVersionOrEmpty) {
  EXPECT_EQ(presence.RefreshFirmwareVersion(), 1);
  EXPECT_EQ(window.firmware_text, u"17");

  mouse.SetFirmwareVersion(0, 0);  // 0 is no version
  EXPECT_EQ(presence.RefreshFirmwareVersion(), 0);
  EXPECT_EQ(window.firmware_text, u"");

  mouse.SetFirmwareVersion(1, 2);
  mouse.UnplugAfter(mouse.TransferCount() + 1);  // the query goes out, the reply never comes
  window.firmware_text = u"unset";
  EXPECT_EQ(presence.RefreshFirmwareVersion(), 0);
  EXPECT_EQ(window.firmware_text, u"");

  link.CloseDevice();
  window.firmware_text = u"unset";
  EXPECT_EQ(presence.RefreshFirmwareVersion(), 0);
  EXPECT_EQ(window.firmware_text, u"");
}

}  // namespace
}  // namespace zk40
