// The notice and the upload progress dialog as real windows: answered by
// real clicks (SendInput at the buttons' places on screen), driven by
// progress messages posted from another thread as the upload worker posts
// them. Screenshots go to the build's artifacts (notice-*.png, progress-*.png).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "pages/DlgInfo_win32.h"
#include "pages/DlgProgress_win32.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/SkinFiles.h"
#include "support/TestPictures_win32.h"
#include "support/WindowCapture_win32.h"

namespace zk40 {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

std::u16string SkinSet(const char* language) {
  const std::string path = std::string("Z:") + ZK40_SKIN_SETS_DIR + "/" + language;
  return std::u16string(path.begin(), path.end());
}

HWND WaitForWindow(const wchar_t* title, int milliseconds = 5000) {
  for (int waited = 0; waited < milliseconds; waited += 20) {
    if (HWND found = FindWindowW(nullptr, title); found && IsWindowVisible(found)) return found;
    Sleep(20);
  }
  return nullptr;
}

HWND ChildWithText(HWND parent, const std::wstring& prefix) {
  struct Search {
    std::wstring prefix;
    HWND found = nullptr;
  } search{prefix};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM lp) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(lp);
        wchar_t text[64]{};
        GetWindowTextW(child, text, 64);
        if (std::wstring(text).rfind(s.prefix, 0) != 0) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[64]{};
  GetWindowTextW(window, text, 64);
  return text;
}

// A real click of the left button at a point of the screen.
void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Sleep(80);
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(60);
  SendInput(1, &input[1], sizeof(INPUT));
}

void ClickCentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void SaveShot(HWND window, const std::string& name) {
  const test::Capture shot = test::CaptureWindow(window);
  std::filesystem::create_directories(ZK40_ARTIFACT_DIR);
  const GdiPlusImage image = test::MakeArgbImage(shot.width, shot.height, [&shot](int x, int y) -> ARGB {
    const COLORREF c = shot.At(x, y);
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  });
  EXPECT_TRUE(test::SavePngFile(image, (std::filesystem::path(ZK40_ARTIFACT_DIR) / (name + ".png")).u16string()));
}

class NoticeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (helper.joinable()) helper.join();
  }
  SettingsStore settings;
  std::thread helper;  // plays the user while the notice runs modally
};

TEST_F(NoticeTest, ShowNoticeAnswersOneForOkAndTwoForCancelAndTheCloseBox) {
  const struct {
    const char* name;
    bool with_cancel;
    bool chinese;
    const wchar_t* button;  // caption prefix; empty: the close box
    int expected;
    const char16_t* text = nullptr;
  } cases[] = {
      {"notice-two-buttons-en", true, false, L"OK", 1},
      {"notice-long-path-en", false, false, L"OK", 1,
       u"Failed to open file, check whether there is a C:\\users\\player\\Temp\\OSTREL\\ZK40\\Profile\\Profile1.cfg path?"},
      {"notice-two-buttons-sc", true, true, L"取消", 2},
      {"notice-one-button-en", false, false, L"", 2},
      {"notice-one-button-sc", false, true, L"确定", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    settings.ui_is_chinese = c.chinese ? 1 : 0;
    std::atomic<bool> sawCancel{false};
    std::atomic<bool> placed{false};
    helper = std::thread([&] {
      HWND notice = WaitForWindow(L"OstrelZK40InfoDlg");
      if (!notice) return;
      Sleep(300);
      RECT r{};
      GetWindowRect(notice, &r);
      placed = r.right - r.left == 330 && r.bottom - r.top == 160;
      sawCancel = ChildWithText(notice, c.chinese ? L"取消" : L"Cancel") != nullptr;
      SaveShot(notice, c.name);
      if (*c.button) {
        ClickCentreOf(ChildWithText(notice, c.button));
      } else {
        const layout::Rect& box = layout::notice::kCloseBox;
        ClickAt(POINT{r.left + (box.left + box.right) / 2, r.top + (box.top + box.bottom) / 2});
      }
    });
    const std::u16string text = c.text      ? c.text
                                : c.chinese ? u"鼠标未连接，请检查连接后再试。"
                                            : u"Do you want to restore the default setting?";
    EXPECT_EQ(ShowNotice(nullptr, settings, text, c.with_cancel), c.expected);
    helper.join();
    EXPECT_TRUE(placed);
    EXPECT_EQ(sawCancel.load(), c.with_cancel);
  }
}

TEST_F(NoticeTest, CountdownCountsFromFiveAndClosesItselfAfterAboutSixSecondsAnsweringTwo) {
  std::vector<std::wstring> captions;
  RECT placed{};
  helper = std::thread([&] {
    HWND notice = WaitForWindow(L"OstrelZK40InfoDlg");
    if (!notice) return;
    GetWindowRect(notice, &placed);
    HWND ok = ChildWithText(notice, L"OK (");
    bool shot = false;
    while (IsWindow(notice) && ok) {
      const std::wstring caption = TextOf(ok);
      if (!caption.empty() && (captions.empty() || captions.back() != caption)) captions.push_back(caption);
      if (!shot) {
        Sleep(200);
        SaveShot(notice, "notice-countdown-en");
        shot = true;
      }
      Sleep(30);
    }
  });
  CDlgInfo notice({u"The mouse cannot be found. The driver will close.", false, true, false});
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(notice.Run(), kNoticeCancel);
  const int elapsed = MillisecondsSince(start);
  helper.join();
  EXPECT_GE(elapsed, 5500);
  EXPECT_LE(elapsed, 15000);  // timers come late on a loaded machine
  ASSERT_GE(captions.size(), 5u);
  const std::vector<std::wstring> first(captions.begin(), captions.begin() + 5);
  EXPECT_EQ(first, (std::vector<std::wstring>{L"OK (5s)", L"OK (4s)", L"OK (3s)", L"OK (2s)", L"OK (1s)"}));
  // The bottom-right corner of the work area, 10 pixels in from its right edge.
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(placed.right, work.right - 10);
  EXPECT_EQ(placed.bottom, work.bottom);
}

TEST_F(NoticeTest, ACountdownNoticeAnsweredBeforeTheEndSaysOkAndHasNoCancel) {
  settings.ui_is_chinese = 1;
  std::wstring first;
  bool cancel = true;
  helper = std::thread([&] {
    HWND notice = WaitForWindow(L"OstrelZK40InfoDlg");
    if (!notice) return;
    Sleep(200);
    HWND ok = ChildWithText(notice, L"确定 (");
    first = ok ? TextOf(ok) : L"";
    cancel = ChildWithText(notice, L"取消") != nullptr;
    SaveShot(notice, "notice-countdown-sc");
    if (ok) ClickCentreOf(ok);
  });
  // Asked for with Cancel, a countdown notice still has OK alone.
  CDlgInfo notice({u"已找到鼠标。", true, true, true});
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(notice.Run(), kNoticeOk);
  EXPECT_LT(MillisecondsSince(start), 4000);
  helper.join();
  EXPECT_EQ(first, L"确定 (5s)");
  EXPECT_FALSE(cancel);
}

// Records the bar's position after each progress message it handled.
class RecordingProgress : public CDlgProgress {
 public:
  std::vector<int> seen;

 protected:
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    const bool handled = CDlgProgress::OnUserMessage(msg, wp, lp, result);
    if (msg == msg::kUploadProgress) seen.push_back(Position());
    return handled;
  }
};

class ProgressTest : public ::testing::Test {
 protected:
  ProgressTest() { settings.install_folder = SkinSet("en"); }
  void TearDown() override {
    if (worker.joinable()) worker.join();
  }
  GdiPlusSession gdiplus;
  SettingsStore settings;
  RecordingProgress progress;
  std::thread worker;
};

TEST_F(ProgressTest, WorkerStepsMoveTheBarAndOneHundredClosesItHalfASecondLater) {
  int atOpening = -1;
  Clock::time_point posted100;
  COLORREF filled = 0, empty = 0;
  const INT_PTR result = progress.RunModal(nullptr, settings, [&](HWND hwnd) {
    atOpening = progress.Position();
    worker = std::thread([&, hwnd] {
      Sleep(50);  // as the worker does after being woken
      for (int percent : {60, 70, 75, 80, 90}) {
        PostMessageW(hwnd, msg::kUploadProgress, static_cast<WPARAM>(percent), 0);
        Sleep(150);
        if (percent == 60) {
          SaveShot(hwnd, "progress-en");
          const test::Capture shot = test::CaptureWindow(hwnd);
          const int y = (layout::progress::kBar.top + layout::progress::kBar.bottom) / 2;
          filled = shot.At(layout::progress::kBar.left + 20, y);
          empty = shot.At(layout::progress::kBar.right - 20, y);
        }
      }
      posted100 = Clock::now();
      PostMessageW(hwnd, msg::kUploadProgress, 100, 0);
    });
  });
  const int closedAfter = MillisecondsSince(posted100);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(progress.Window(), nullptr);
  EXPECT_EQ(atOpening, 0);
  EXPECT_EQ(progress.seen, (std::vector<int>{60, 70, 75, 80, 90, 100}));
  // Half a second; the upper bound only says that it closed in the end (on
  // a loaded machine the timer comes late).
  EXPECT_GE(closedAfter, 450);
  EXPECT_LE(closedAfter, 5000);
  // At 60 % the bar's left part shows the full picture, its right part the empty one.
  const std::u16string folder = settings.install_folder;
  const GdiPlusImage over = LoadPngFile(skin::SkinPath(folder, layout::kProgressOver.folder, layout::kProgressOver.name));
  const GdiPlusImage normal =
      LoadPngFile(skin::SkinPath(folder, layout::kProgressNormal.folder, layout::kProgressNormal.name));
  const int y = (layout::progress::kBar.top + layout::progress::kBar.bottom) / 2;
  const ARGB overPixel = test::PixelOf(over, layout::progress::kBar.left + 20, y);
  const ARGB normalPixel = test::PixelOf(normal, layout::progress::kBar.right - 20, y);
  EXPECT_EQ(filled, RGB((overPixel >> 16) & 0xFF, (overPixel >> 8) & 0xFF, overPixel & 0xFF));
  EXPECT_EQ(empty, RGB((normalPixel >> 16) & 0xFF, (normalPixel >> 8) & 0xFF, normalPixel & 0xFF));
}

TEST_F(ProgressTest, KeysDoNotCloseItTheOwnerCanAndEachOpeningStartsAtZero) {
  settings.ui_is_chinese = 1;
  static CDlgProgress* closing = nullptr;
  closing = &progress;
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    progress.seen.clear();
    int atOpening = -1;
    const Clock::time_point start = Clock::now();
    const INT_PTR result = progress.RunModal(nullptr, settings, [&](HWND hwnd) {
      atOpening = progress.Position();
      worker = std::thread([&, hwnd] {
        PostMessageW(hwnd, msg::kUploadProgress, 60, 0);
        Sleep(300);
        if (round == 0) SaveShot(hwnd, "progress-sc");
        for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_SPACE}) {
          PostMessageW(hwnd, WM_KEYDOWN, key, 1);
          PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
        }
        PostMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, 0x20000001);  // with Alt
        PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      });
      // The upload failed: the main window closes the dialog.
      SetTimer(nullptr, 0, 900, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        closing->Close();
      });
    });
    worker.join();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_GE(MillisecondsSince(start), 850);
    EXPECT_EQ(atOpening, 0);
    EXPECT_EQ(progress.seen, (std::vector<int>{60}));
    EXPECT_EQ(progress.Window(), nullptr);
  }
  // Closing a dialog that is not open does nothing.
  progress.Close();
}

}  // namespace
}  // namespace zk40
