// Real system message boxes, answered by a second thread that finds them by
// caption and reads their text.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/MessageBoxNotifier_win32.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

struct Answer {
  std::u16string text;
  bool found = false;
};

// A dialog of this process with the caption (tests run in parallel, each
// with its own message boxes).
HWND FindOwnDialog(const wchar_t* caption) {
  struct Search {
    const wchar_t* caption;
    HWND found;
  } search{caption, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t title[64] = {};
        GetWindowTextW(hwnd, title, 64);
        if (pid == GetCurrentProcessId() && wcscmp(title, s->caption) == 0) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits (bounded) for a dialog with the caption, then presses the button.
std::thread AnswerDialog(const wchar_t* caption, int button, Answer& answer) {
  return std::thread([caption, button, &answer] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      HWND dialog = FindOwnDialog(caption);
      if (dialog) {
        wchar_t text[512] = {};
        GetDlgItemTextW(dialog, 0xFFFF, text, 512);
        answer.text = FromWide(text);
        answer.found = true;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
}

TEST(MessageBoxNotifier, NoticeReportsOkAndCancel) {
  MessageBoxNotifier notifier;
  Answer ok, cancel;
  std::thread t1 = AnswerDialog(L"Info", IDOK, ok);
  EXPECT_TRUE(notifier.ShowNotice(u"first notice", true));
  t1.join();
  std::thread t2 = AnswerDialog(L"Info", IDCANCEL, cancel);
  EXPECT_FALSE(notifier.ShowNotice(u"second notice", true));
  t2.join();
  EXPECT_TRUE(ok.found);
  EXPECT_EQ(ok.text, u"first notice");
  EXPECT_EQ(cancel.text, u"second notice");
}

TEST(MessageBoxNotifier, MessageBoxCarriesItsCaption) {
  MessageBoxNotifier notifier;
  Answer answer;
  std::thread t = AnswerDialog(L"Info", IDOK, answer);
  notifier.ShowMessageBox(u"C:\\x.cfg export success!", kInfoCaption);
  t.join();
  ASSERT_TRUE(answer.found);
  EXPECT_EQ(answer.text, u"C:\\x.cfg export success!");
}

}  // namespace
}  // namespace zk40
