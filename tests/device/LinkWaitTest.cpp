// The user-interface thread and the link during an upload: the worker is
// stopped in the middle of a protocol wait, and everything the UI thread does
// with the link meanwhile (version query, close, reopen, presence) must
// return without waiting for it. A call that waited would only return once
// the worker is let go, after the limit of ReturnedInTime.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "EmulatedMouse.h"
#include "device/CUSBDriver.h"
#include "device/Presence.h"
#include "device/UploadSequence.h"
#include "protocol/FunctionTable.h"
#include "settings/ProfileDefaults.h"
#include "shell/HookState.h"
#include "support/HeldSleeper.h"
#include "support/MacroBuilder.h"
#include "support/PresenceFakes.h"
#include "support/RecordingUploadObserver.h"

namespace zk40 {
namespace {

using test::ReturnedInTime;

constexpr std::uint32_t kMacroId = 0x15000123;
constexpr char16_t kMouseName[] = u"\\\\?\\HID#VID_3E7A&PID_6D3B#7&1&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

class LinkWaitTest : public ::testing::Test {
 protected:
  LinkWaitTest() {
    FillProfileDefaults(store->current_record, false);
    // The middle button plays a macro: its exchange holds the link for 1.7 s.
    store->macros[0] = test::Macro(1, {test::Press('A'), test::Release('A')}, kMacroId);
    store->current_record.buttons[1].function_type = kMacroType;
    store->bound_macro_ids[1] = kMacroId;
  }
  ~LinkWaitTest() override {
    sleeper.Release();
    if (worker.joinable()) worker.join();
  }

  // Starts the upload and stops it in the first wait after the mouse got a
  // report of the kind given whose first byte after the report id is first.
  void StartUploadHeldAfter(TransferKind kind, std::uint8_t first) {
    ASSERT_TRUE(link.OpenDevice());
    sleeper.HoldWhen([this, kind, first] {
      for (const TransferRecord& t : mouse.Transfers()) {
        if (t.kind == kind && t.bytes[1] == first) return true;
      }
      return false;
    });
    worker = std::thread([this] { uploaded = sequence.Run(); });
    ASSERT_TRUE(sleeper.WaitUntilHeld());
  }

  // In the wait between the macro command and its first data block.
  void StartUploadHeldInItsMacro() { StartUploadHeldAfter(TransferKind::set_feature, 0x13); }

  // Whether call returned while the upload is held. One that did not is
  // waiting for the upload: the upload is let go so that the test can end.
  bool ReturnedWhileHeld(std::future<void>& call) {
    if (ReturnedInTime(call)) return true;
    sleeper.Release();
    call.wait();
    return false;
  }

  // Lets the upload go on and waits for its end.
  void FinishUpload() {
    sleeper.Release();
    worker.join();
  }

  test::HeldSleeper sleeper;
  EmulatedMouse mouse{sleeper, sleeper};
  CUSBDriver link{mouse, sleeper};
  HookState hooks;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  test::RecordingUploadObserver observer;
  UploadSequence sequence{*store, link, hooks, observer};
  std::thread worker;
  bool uploaded = true;
};

TEST_F(LinkWaitTest, UiCallsDuringAnUploadDoNotWaitForIt) {
  StartUploadHeldInItsMacro();
  bool open = false;
  std::future<void> isOpen = std::async(std::launch::async, [&] { open = link.IsOpen(); });
  EXPECT_TRUE(ReturnedWhileHeld(isOpen));
  std::future<void> version = std::async(std::launch::async, [&] { (void)link.GetFirmwareVersion(); });
  EXPECT_TRUE(ReturnedWhileHeld(version));
  std::future<void> close = std::async(std::launch::async, [&] { link.CloseDevice(); });
  EXPECT_TRUE(ReturnedWhileHeld(close));
  FinishUpload();
  EXPECT_TRUE(open);
}

TEST_F(LinkWaitTest, ClosingTheLinkEndsTheRunningUploadAtOnceWithoutFurtherWaits) {
  StartUploadHeldInItsMacro();
  std::future<void> close = std::async(std::launch::async, [&] { link.CloseDevice(); });
  EXPECT_TRUE(ReturnedWhileHeld(close));
  const std::size_t sentBeforeClose = mouse.TransferCount();
  FinishUpload();
  EXPECT_FALSE(uploaded);
  EXPECT_EQ(observer.Events().back(), "failure 0");
  EXPECT_EQ(mouse.TransferCount(), sentBeforeClose) << "nothing reaches the mouse after the close";
  EXPECT_EQ(sleeper.WaitsSinceRelease(), 0) << "the upload does not wait any more once the link is closed";
}

TEST_F(LinkWaitTest, ClosingWhileAWriteStaysPendingDoesNotWaitForIt) {
  mouse.AnswerWritesPending(std::nullopt);  // no write ever completes
  // In the wait for the macro's first data block (its loop count is 1).
  StartUploadHeldAfter(TransferKind::output, 0x00);
  std::future<void> close = std::async(std::launch::async, [&] { link.CloseDevice(); });
  EXPECT_TRUE(ReturnedWhileHeld(close));
  FinishUpload();
  EXPECT_FALSE(uploaded);
  EXPECT_EQ(sleeper.WaitsSinceRelease(), 0);
}

// What an unplug in the middle of an upload looks like to the UI thread: the
// removal, then the arrival of the mouse plugged back in.
TEST_F(LinkWaitTest, UnplugAndReplugDuringAnUploadDoNotWaitForIt) {
  test::RecordingPresenceWindow window;
  window.upload_ready = false;
  test::ManualTimer timer;
  Presence presence(link, window, window, timer, *store, sleeper);
  bool openWhenHooksWent = false;
  window.on_remove_hooks = [&] { openWhenHooksWent = link.IsOpen(); };
  StartUploadHeldInItsMacro();

  std::future<void> removal =
      std::async(std::launch::async, [&] { presence.OnDeviceChange(kDeviceRemoveComplete, kMouseName); });
  EXPECT_TRUE(ReturnedWhileHeld(removal));
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(openWhenHooksWent) << "the hooks go before anything that can wait";

  std::future<void> arrival =
      std::async(std::launch::async, [&] { presence.OnDeviceChange(kDeviceArrival, kMouseName); });
  EXPECT_TRUE(ReturnedWhileHeld(arrival));
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(window.firmware_text, u"17") << "the reopened link answers although the old upload still waits";
  EXPECT_EQ(window.log.back(), "ready");

  FinishUpload();
  EXPECT_FALSE(uploaded) << "an upload cut short by the removal does not go on to the mouse plugged back in";
}

}  // namespace
}  // namespace zk40
