// The HID link on the Win32 system: discovery and transfers against a
// scripted system, and the enumeration against Wine's real device setup.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/CUSBDriver.h"
#include "device/UsbDeviceScan_win32.h"
#include "platform/HidSystem_win32.h"
#include "protocol/DeviceIdText.h"
#include "support/ScriptedHidApi_win32.h"

namespace zk40 {
namespace {

using test::ScriptedInterface;
using test::ScriptedWrite;

ScriptedInterface Interface(std::wstring path) {
  ScriptedInterface itf;
  itf.path = std::move(path);
  return itf;
}

class HidSystemWin32Test : public ::testing::Test {
 protected:
  test::ScriptedHidApi os;
  VirtualClock clock;
  HidSystemWin32 hid{os.Api()};
  CUSBDriver link{hid, clock};

  std::vector<std::wstring> OpenedPaths() {
    std::vector<std::wstring> paths;
    for (const auto& open : os.opens) {
      if (open.handle != INVALID_HANDLE_VALUE) paths.push_back(open.path);
    }
    return paths;
  }
  HANDLE EventNamed(const wchar_t* name) {
    for (const auto& e : os.events) {
      if (e.name == name) return e.handle;
    }
    return nullptr;
  }
  std::size_t Count(const std::string& call) { return std::count(os.calls.begin(), os.calls.end(), call); }
};

TEST_F(HidSystemWin32Test, TheFirstOfTwoMatchingInterfacesIsOpenedAsTheLinkNeedsIt) {
  os.interfaces = {Interface(L"first"), Interface(L"second")};
  os.interfaces[0].caps = {{0xFF01, 0x22, 6, 32}};
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(link.ReportId(), 6);
  EXPECT_EQ(link.ReportLength(), 32u);

  ASSERT_EQ(os.lists.size(), 1u);
  EXPECT_TRUE(os.lists[0].has_class);
  EXPECT_EQ(os.lists[0].flags, 0x12u);  // present interfaces of the HID class
  ASSERT_EQ(os.opens.size(), 3u);
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  const auto& query = os.opens[0];
  EXPECT_EQ(query.access, 0u);
  EXPECT_EQ(query.flags, static_cast<DWORD>(FILE_FLAG_BACKUP_SEMANTICS));
  EXPECT_EQ(os.opens[1].access, GENERIC_READ);
  EXPECT_EQ(os.opens[2].access, static_cast<DWORD>(GENERIC_WRITE));
  for (const auto& open : os.opens) {
    EXPECT_EQ(open.path, L"first");
    EXPECT_EQ(open.share, share);
    EXPECT_EQ(open.disposition, static_cast<DWORD>(OPEN_EXISTING));
  }
  EXPECT_EQ(os.opens[1].flags, static_cast<DWORD>(FILE_FLAG_OVERLAPPED));
  EXPECT_EQ(os.opens[2].flags, static_cast<DWORD>(FILE_FLAG_OVERLAPPED));

  // Left open: the read and the write handle and their two events.
  EXPECT_EQ(os.OpenHandles(), 4);
  EXPECT_EQ(os.OpenLists(), 0);
  EXPECT_EQ(os.HeldPreparsedData(), 0);
  ASSERT_EQ(os.events.size(), 2u);
  for (const auto& e : os.events) {
    EXPECT_TRUE(e.manual_reset);
    EXPECT_FALSE(e.initially_set);
  }
  EXPECT_NE(EventNamed(L"WriteDataOverLappedEvent"), nullptr);
  EXPECT_NE(EventNamed(L"ReadDataOverLappedEvent"), nullptr);
}

TEST_F(HidSystemWin32Test, InterfacesThatFailAnyCheckArePassedOver) {
  std::vector<ScriptedInterface> bad(10, Interface(L""));
  bad[0].vendor_id = 0x1234;
  bad[1].product_id = 0x1111;
  bad[2].query_opens = false;
  bad[3].attributes_answer = false;
  bad[4].preparsed_answer = false;
  bad[5].caps_status = HIDP_STATUS_INVALID_PREPARSED_DATA;
  bad[6].value_caps_status = HIDP_STATUS_INVALID_PREPARSED_DATA;
  bad[7].caps = {};
  // The mouse's ids, but not the protocol's report: usage 0x22 on page 0xFF01.
  bad[8].caps = {{0xFF01, 0x21, 5, 64}, {0xFF00, 0x22, 5, 64}, {0x0001, 0x22, 5, 64}};
  bad[9].caps = {{0xFF01, 0x22, 5, 255}};  // a report that would not fit the buffers
  for (std::size_t i = 0; i < bad.size(); ++i) bad[i].path = L"bad" + std::to_wstring(i);
  os.interfaces = bad;
  os.interfaces.push_back(Interface(L"good"));

  ASSERT_TRUE(link.OpenDevice());
  const std::vector<std::wstring> opened = OpenedPaths();
  EXPECT_EQ(opened.back(), L"good");
  EXPECT_EQ(std::count(opened.begin(), opened.end(), L"good"), 3);
  EXPECT_EQ(os.OpenHandles(), 4);  // every query handle was closed again
  EXPECT_EQ(os.HeldPreparsedData(), 0);
}

TEST_F(HidSystemWin32Test, AFailedSecondOpenLeavesTheLinkClosed) {
  os.interfaces = {Interface(L"mouse")};
  os.interfaces[0].write_opens = false;
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(OpenedPaths().size(), 2u);  // query and read
  EXPECT_EQ(os.OpenHandles(), 2);       // only the events: the read handle was closed
  EXPECT_EQ(link.SetDpiSelect(1), 0);
  EXPECT_TRUE(os.features_set.empty());
}

TEST_F(HidSystemWin32Test, OpeningWhileOpenClosesTheOldHandlesFirst) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  os.calls.clear();
  ASSERT_TRUE(link.OpenDevice());
  ASSERT_GE(os.calls.size(), 4u);
  EXPECT_EQ(os.calls[0], "close");
  EXPECT_EQ(os.calls[1], "cancel all");  // whatever the write handle had in flight
  EXPECT_EQ(os.calls[2], "close");
  EXPECT_EQ(os.calls[3], "open mouse");
  EXPECT_EQ(os.OpenHandles(), 4);

  os.interfaces.clear();  // the mouse has gone
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(os.OpenHandles(), 2);
}

TEST_F(HidSystemWin32Test, FeatureReportsUseTheirHandlesWithReportLengthPlusOneBytes) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  const HANDLE read = os.opens[1].handle;
  const HANDLE write = os.opens[2].handle;
  ASSERT_TRUE(link.SetDpiSelect(3));
  ASSERT_EQ(os.features_set.size(), 1u);
  EXPECT_EQ(os.features_set[0].size(), 65u);
  EXPECT_EQ(os.features_set[0][0], 5);
  EXPECT_EQ(os.features_set[0][1], 0x0B);
  EXPECT_EQ(os.feature_handles.back(), write);

  EXPECT_EQ(link.GetFirmwareVersion(), 17);
  EXPECT_EQ(os.feature_handles.back(), read);
}

TEST_F(HidSystemWin32Test, APendingWriteIsWaitedFor1500msOnTheWriteEventWhichIsThenReset) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  os.write = ScriptedWrite::pending_completes;
  os.calls.clear();
  const std::array<std::uint8_t, 64> matrix = {1, 2, 3};
  ASSERT_TRUE(link.WriteKeyMatrix(matrix));
  EXPECT_EQ(os.calls, (std::vector<std::string>{"set feature", "write", "wait 1500", "result", "reset", "write",
                                                "wait 1500", "result", "reset"}));
  const HANDLE event = EventNamed(L"WriteDataOverLappedEvent");
  EXPECT_EQ(os.write_events, (std::vector<HANDLE>{event, event}));
  EXPECT_EQ(os.waited_events, (std::vector<HANDLE>{event, event}));
  EXPECT_EQ(os.reset_events, (std::vector<HANDLE>{event, event}));
  EXPECT_EQ(os.write_handles[0], os.opens[2].handle);
  ASSERT_EQ(os.writes.size(), 2u);
  EXPECT_EQ(os.writes[0].size(), 33u);
  EXPECT_EQ(os.writes[0][1], 1);
}

TEST_F(HidSystemWin32Test, AWriteThatNeverCompletesIsCancelledBeforeItsBufferAndRecordAreUsedAgain) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  os.write = ScriptedWrite::pending_never_completes;
  os.calls.clear();
  std::array<std::uint8_t, 64> matrix{};
  matrix[32] = 0x42;
  // The transfer goes on after the first block, but the cancelled writes never reached the mouse.
  EXPECT_FALSE(link.WriteKeyMatrix(matrix));
  const std::vector<std::string> oneBlock = {"write", "wait 1500", "result", "cancel", "wait 100", "result", "reset"};
  std::vector<std::string> expected = {"set feature"};
  for (int block = 0; block < 2; ++block) expected.insert(expected.end(), oneBlock.begin(), oneBlock.end());
  EXPECT_EQ(os.calls, expected);
  EXPECT_FALSE(os.record_reused_in_flight);
  EXPECT_FALSE(os.waited_forever);
  EXPECT_EQ(os.writes[1][1], 0x42);
}

// A driver that ignores the cancel must not hold the link for good: the wait
// for the cancel is bounded, and the write it still holds keeps its record
// while the next write gets a new one.
TEST_F(HidSystemWin32Test, ACancelThatNeverCompletesIsNotWaitedForWithoutLimit) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  os.write = ScriptedWrite::pending_ignores_cancel;
  os.calls.clear();
  EXPECT_FALSE(link.WriteKeyMatrix(std::array<std::uint8_t, 64>{}));
  EXPECT_EQ(os.writes.size(), 2u);
  EXPECT_EQ(Count("wait 100"), 2u);
  EXPECT_FALSE(os.waited_forever);
  EXPECT_FALSE(os.record_reused_in_flight);
  link.CloseDevice();
  EXPECT_EQ(Count("cancel all"), 1u) << "closing cancels what the handle still has in flight";
}

TEST_F(HidSystemWin32Test, FailedWritesAreNotWaitedForAndDoNotStopTheTransferButFailIt) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  os.write = ScriptedWrite::fails;
  const std::array<std::uint8_t, 64> matrix{};
  EXPECT_FALSE(link.WriteKeyMatrix(matrix));
  EXPECT_EQ(os.writes.size(), 2u);
  EXPECT_EQ(Count("wait 1500"), 0u);
}

TEST_F(HidSystemWin32Test, TheTwoEventsAreMadeOnceAndClosedWithTheSystem) {
  os.interfaces = {Interface(L"mouse")};
  {
    HidSystemWin32 own(os.Api());
    CUSBDriver ownLink(own, clock);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(ownLink.OpenDevice());
    EXPECT_EQ(os.events.size(), 2u);
    ownLink.CloseDevice();
    EXPECT_EQ(os.OpenHandles(), 2);
  }
  EXPECT_EQ(os.OpenHandles(), 0);
}

TEST_F(HidSystemWin32Test, TheDetailRecordCarriesTheSizeOfThisBuild) {
  os.interfaces = {Interface(L"mouse")};
  ASSERT_TRUE(link.OpenDevice());
  ASSERT_EQ(os.detail_record_sizes.size(), 1u);
  EXPECT_EQ(os.detail_record_sizes[0], sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W));
}

TEST_F(HidSystemWin32Test, InterfacesWithImpossibleDetailSizesArePassedOver) {
  os.interfaces = {Interface(L"none"), Interface(L"short"), Interface(L"huge"), Interface(L"lying"),
                   Interface(L"good")};
  os.interfaces[0].reported_detail_size = 0;
  os.interfaces[0].path = L"";
  os.interfaces[1].reported_detail_size = 2;
  os.interfaces[2].reported_detail_size = 0x7FFFFFFF;
  os.interfaces[3].reported_detail_size = 10;  // smaller than the path needs: the fetch fails
  std::vector<std::u16string> paths;
  EXPECT_TRUE(hid.EnumerateInterfaces(paths));
  EXPECT_EQ(paths, std::vector<std::u16string>{u"good"});
  EXPECT_EQ(os.OpenLists(), 0);
}

TEST_F(HidSystemWin32Test, AnEnumerationThatBreaksOffIsSearchedAsFarAsItWent) {
  os.interfaces = {Interface(L"mouse"), Interface(L"other")};
  os.enumeration_breaks_at = 1;
  std::vector<std::u16string> paths;
  EXPECT_FALSE(hid.EnumerateInterfaces(paths));
  EXPECT_EQ(paths, std::vector<std::u16string>{u"mouse"});
  EXPECT_EQ(os.OpenLists(), 0);
  EXPECT_TRUE(link.OpenDevice());

  os.list_fails = true;
  paths.clear();
  EXPECT_FALSE(hid.EnumerateInterfaces(paths));
  EXPECT_TRUE(paths.empty());
  EXPECT_EQ(os.OpenLists(), 0);
}

// --- the USB device scan ---------------------------------------------------

TEST_F(HidSystemWin32Test, UsbScanMatchesTheFirstHardwareIdOnlyIgnoringCase) {
  using namespace std::string_literals;
  os.usb_devices = {{L"USB\\VID_046D&PID_C077&REV_7200\0USB\\VID_046D&PID_C077\0\0"s},
                    {L"USB\\VID_1234&PID_0001\0USB\\VID_04D9&PID_8022\0\0"s},
                    {L"USB\\VID_04D9&PID_8022&REV_0100\0\0"s, false},
                    {L"USB\\" + std::wstring(200, L'X') + L"VID_04D9&PID_8022\0\0"s}};
  EXPECT_EQ(FindUsbDevice(std::u16string(kFirmwareUpdateDeviceText), os.Api()), 0);
  ASSERT_EQ(os.lists.size(), 1u);
  EXPECT_FALSE(os.lists[0].has_class);
  EXPECT_EQ(os.lists[0].enumerator, L"USB");
  EXPECT_EQ(os.lists[0].flags, 6u);  // present devices of all classes
  EXPECT_EQ(os.OpenLists(), 0);

  os.usb_devices.push_back({L"usb\\vid_04d9&pid_8022&rev_0100\0usb\\vid_04d9&pid_8022\0\0"s});
  EXPECT_EQ(FindUsbDevice(std::u16string(kFirmwareUpdateDeviceText), os.Api()), 1);
  EXPECT_EQ(os.OpenLists(), 0);

  os.list_fails = true;
  EXPECT_EQ(FindUsbDevice(std::u16string(kFirmwareUpdateDeviceText), os.Api()), 0);
}

// --- Wine's real device setup ----------------------------------------------

TEST(HidSystemWin32RealTest, WinesDeviceSetupListsNoZk40AndTheLinkStaysClosed) {
  HidSystemWin32 hid;
  std::vector<std::u16string> paths;
  EXPECT_TRUE(hid.EnumerateInterfaces(paths));
  SystemClock clock;
  CUSBDriver link(hid, clock);
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.SetDpiSelect(1), 0);
}

TEST(HidSystemWin32RealTest, WinesUsbDevicesHoldNeitherTheMouseNorItsFirmwareUpdateForm) {
  EXPECT_EQ(FindUsbDevice(std::u16string(kFirmwareUpdateDeviceText)), 0);
  EXPECT_EQ(FindUsbDevice(std::u16string(kMouseFilterText)), 0);
}

}  // namespace
}  // namespace zk40
