// A real-time upload on the worker thread against the emulated mouse, with
// its reports arriving as window messages on this (the UI) thread.
#include <gtest/gtest.h>

#include <vector>

#include "EmulatedMouse.h"
#include "device/CUSBDriver.h"
#include "device/UploadWorker.h"
#include "device/WindowUploadObserver_win32.h"
#include "settings/ProfileDefaults.h"
#include "support/MessagePump_win32.h"

namespace zk40 {
namespace {

struct Seen {
  UINT message;
  WPARAM wp;
  LPARAM lp;
};

std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

LRESULT CALLBACK Collect(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == msg::kUploadProgress || msg == msg::kUploadFinished || msg == msg::kUploadFailed ||
      (msg == WM_SETTINGCHANGE && lp == 0)) {
    Log().push_back({msg, wp, lp});
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CollectingWindow(const wchar_t* name) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Collect;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return CreateWindowExW(0, name, name, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
}

bool Ended() {
  for (const Seen& s : Log()) {
    if (s.message == msg::kUploadFinished || s.message == msg::kUploadFailed) return true;
  }
  return false;
}

class UploadMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    Log().clear();
    FillProfileDefaults(store->current_record, false);
    ASSERT_TRUE(link.OpenDevice());
    observer.SetProgressWindow(progress);
    worker.Start();
  }
  void TearDown() override {
    worker.Stop();
    DestroyWindow(progress);
    DestroyWindow(main);
  }
  void RunOneUpload() {
    worker.RequestUpload();
    for (int i = 0; i < 400 && !Ended(); ++i) test::PumpMessagesFor(10);
    test::PumpMessagesFor(50);
  }

  HWND main = CollectingWindow(L"UploadMain");
  HWND progress = CollectingWindow(L"UploadProgress");
  SystemClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  HookState hooks;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  WindowUploadObserver observer{main};
  UploadSequence sequence{*store, link, hooks, observer};
  UploadWorker worker{sequence};
};

TEST_F(UploadMessages, ProgressThenPointerSettingsThenSuccessReachTheirWindows) {
  RunOneUpload();
  std::vector<WPARAM> progressValues;
  std::vector<UINT> mainMessages;
  for (const Seen& s : Log()) {
    if (s.message == msg::kUploadProgress) progressValues.push_back(s.wp);
    if (s.message == msg::kUploadFinished || s.message == WM_SETTINGCHANGE) mainMessages.push_back(s.message);
  }
  EXPECT_EQ(progressValues, (std::vector<WPARAM>{0, 7, 14, 21, 28, 35, 42, 60, 70, 75, 80, 90, 100}));
  EXPECT_EQ(mainMessages, (std::vector<UINT>{WM_SETTINGCHANGE, WM_SETTINGCHANGE, WM_SETTINGCHANGE, msg::kUploadFinished}));
}

TEST_F(UploadMessages, AFailedWriteIsReportedWithItsIndex) {
  mouse.UnplugAfter(0);
  RunOneUpload();
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().back().message, msg::kUploadFailed);
  EXPECT_EQ(Log().back().lp, 0);
}

}  // namespace
}  // namespace zk40
