// The Win32 side of presence: device broadcasts as the system delivers them,
// the registration for them, and the retry timer in a real message loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "EmulatedMouse.h"
#include "device/DeviceNotification_win32.h"
#include "platform/ThreadTimer_win32.h"
#include "platform/WideText_win32.h"
#include "support/MessagePump_win32.h"
#include "support/PresenceFakes.h"

namespace zk40 {
namespace {

constexpr wchar_t kMouseName[] = L"\\\\?\\USB#VID_3E7A&PID_6D3B#6&1a2b&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

// A device-interface broadcast as the system lays it out, with a size that
// may claim less than the name needs.
class Broadcast {
 public:
  explicit Broadcast(const wchar_t* name, DWORD type = DBT_DEVTYP_DEVICEINTERFACE) {
    const std::size_t nameBytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    bytes_.resize(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + nameBytes + sizeof(wchar_t));
    auto* b = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes_.data());
    b->dbcc_size = static_cast<DWORD>(bytes_.size());
    b->dbcc_devicetype = type;
    b->dbcc_classguid = kUsbDeviceInterfaceClass;
    std::memcpy(b->dbcc_name, name, nameBytes);
  }
  void ClaimSize(DWORD size) { reinterpret_cast<DEV_BROADCAST_HDR*>(bytes_.data())->dbch_size = size; }
  LPARAM lparam() { return reinterpret_cast<LPARAM>(bytes_.data()); }

 private:
  std::vector<std::uint8_t> bytes_;
};

TEST(DeviceBroadcastTest, ArrivalsAndRemovalsOfDeviceInterfacesAreReadWithinTheirSize) {
  Broadcast arrival(kMouseName);
  DeviceBroadcast read;
  ASSERT_TRUE(ReadDeviceBroadcast(DBT_DEVICEARRIVAL, arrival.lparam(), read));
  EXPECT_EQ(read.event, static_cast<std::uint32_t>(DBT_DEVICEARRIVAL));
  EXPECT_EQ(read.device_name, FromWide(kMouseName));
  ASSERT_TRUE(ReadDeviceBroadcast(DBT_DEVICEREMOVECOMPLETE, arrival.lparam(), read));
  EXPECT_EQ(read.event, static_cast<std::uint32_t>(DBT_DEVICEREMOVECOMPLETE));

  // A size that ends inside the name: the name ends there too.
  arrival.ClaimSize(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + 4 * sizeof(wchar_t));
  ASSERT_TRUE(ReadDeviceBroadcast(DBT_DEVICEARRIVAL, arrival.lparam(), read));
  EXPECT_EQ(read.device_name, u"\\\\?\\");
  arrival.ClaimSize(8);
  EXPECT_FALSE(ReadDeviceBroadcast(DBT_DEVICEARRIVAL, arrival.lparam(), read));
}

TEST(DeviceBroadcastTest, OtherEventsAndOtherKindsOfBroadcastAreNotRead) {
  Broadcast volume(kMouseName, DBT_DEVTYP_VOLUME);
  DeviceBroadcast read;
  EXPECT_FALSE(ReadDeviceBroadcast(DBT_DEVICEARRIVAL, volume.lparam(), read));
  Broadcast itf(kMouseName);
  EXPECT_FALSE(ReadDeviceBroadcast(DBT_DEVICEQUERYREMOVE, itf.lparam(), read));
  EXPECT_FALSE(ReadDeviceBroadcast(DBT_DEVNODES_CHANGED, 0, read));
  EXPECT_FALSE(ReadDeviceBroadcast(DBT_DEVICEARRIVAL, 0, read));
}

class PresenceWin32Test : public ::testing::Test {
 protected:
  SystemClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  SettingsStore settings;
  test::RecordingPresenceWindow window;
  ThreadTimer timer;
  Presence presence{link, window, window, timer, settings, clock};
};

TEST_F(PresenceWin32Test, TheWindowsDeviceChangeHandlerPassesTheMouseOnAndAlwaysAnswersTrue) {
  ASSERT_TRUE(link.OpenDevice());
  Broadcast other(L"\\\\?\\USB#VID_046D&PID_C077#5&abc&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
  EXPECT_EQ(OnDeviceChange(presence, DBT_DEVICEREMOVECOMPLETE, other.lparam()), TRUE);
  EXPECT_EQ(OnDeviceChange(presence, DBT_DEVNODES_CHANGED, 0), TRUE);
  EXPECT_TRUE(link.IsOpen());

  Broadcast mouseGone(kMouseName);
  EXPECT_EQ(OnDeviceChange(presence, DBT_DEVICEREMOVECOMPLETE, mouseGone.lparam()), TRUE);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(window.log,
            (std::vector<std::string>{"remove hooks", "notice The ZK40 gaming mouse cannot be found.", "close"}));
}

TEST_F(PresenceWin32Test, AnArrivalRetriesFromTheMessageLoopUntilTheMouseOpens) {
  mouse.interfaces.clear();
  Broadcast arrival(kMouseName);
  OnDeviceChange(presence, DBT_DEVICEARRIVAL, arrival.lparam());
  ASSERT_TRUE(timer.Running());
  test::PumpMessagesFor(300);
  EXPECT_TRUE(window.log.empty());

  mouse.interfaces = {Zk40Interface()};
  for (int i = 0; i < 60 && presence.ArrivalPending(); ++i) test::PumpMessagesFor(100);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(window.log, (std::vector<std::string>{"firmware 17", "install hooks",
                                                  "notice The ZK40 gaming mouse is found."}));
}

TEST(DeviceNotificationTest, AWindowRegistersForUsbDeviceBroadcasts) {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(hwnd, nullptr);
  {
    DeviceNotification notification;
    EXPECT_TRUE(notification.Register(hwnd));
    EXPECT_TRUE(notification.Registered());
  }
  DestroyWindow(hwnd);
}

TEST(ThreadTimerTest, TicksInTheMessageLoopUntilStoppedEvenFromItsOwnTick) {
  ThreadTimer timer;
  int ticks = 0;
  ASSERT_TRUE(timer.Start(20, [&] {
    if (++ticks == 3) timer.Stop();
  }));
  for (int i = 0; i < 100 && timer.Running(); ++i) test::PumpMessagesFor(20);
  EXPECT_FALSE(timer.Running());
  test::PumpMessagesFor(100);
  EXPECT_EQ(ticks, 3);

  int other = 0;
  ASSERT_TRUE(timer.Start(20, [&] { ++other; }));
  ASSERT_TRUE(timer.Start(20, [&] { other += 100; }));  // replaces the first
  test::PumpMessagesFor(60);
  timer.Stop();
  EXPECT_GT(other, 0);
  EXPECT_EQ(other % 100, 0);
}

}  // namespace
}  // namespace zk40
