// The window framework with real windows: binding, reflection, the modal
// loop's PreTranslateMessage chain, and a screenshot of the demo.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/demo/DemoDialogs.h"
#include "support/MessagePump_win32.h"
#include "support/WindowCapture_win32.h"

namespace zk40 {
namespace {

constexpr UINT kFinish = WM_USER + 77;

// A modal dialog that, once running, posts what the test asks for and then
// ends itself with 42 when kFinish arrives.
class ScriptedDialog final : public CDialog {
 public:
  explicit ScriptedDialog(bool withPage) : CDialog(IDD_INFO, nullptr), page(this), with_page(withPage) {}
  CDemoPage page;
  bool with_page;

 protected:
  bool OnInitDialog() override {
    if (with_page) {
      page.Create();
      page.ShowWindow(SW_SHOW);
    }
    HWND target = with_page ? page.button.GetSafeHwnd() : m_hWnd;
    ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageW(target, WM_KEYUP, VK_RETURN, 0);
    PostMessage(kFinish);
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
    if (msg != kFinish) return false;
    EndDialog(42);
    return true;
  }
};

TEST(ModalLoop, PagesSwallowEnterBeforeTheDialogManagerSeesIt) {
  ScriptedDialog dialog(true);
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_EQ(dialog.page.swallowed_keys, 2);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "the window is gone after the run";
}

TEST(ModalLoop, WithoutAPageEnterReachesTheDialogManagerAsOk) {
  ScriptedDialog dialog(false);
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Reflection, TheButtonHandlesItsOwnClickAndTheParentNeverSeesIt) {
  CDemoDialog dialog;
  ASSERT_TRUE(dialog.Create());
  CDemoButton& button = dialog.page.button;
  ASSERT_NE(button.GetSafeHwnd(), nullptr);
  EXPECT_EQ(CWnd::FromHandle(button.GetSafeHwnd()), &button);
  button.SendMessage(BM_CLICK);
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(button.clicks, 2);
  EXPECT_EQ(dialog.page.commands_seen, 0);
  dialog.DestroyWindow();
}

// A control that colours itself and takes its own scroll notifications.
class SelfColouring final : public CStatic {
 public:
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  int scrolls = 0;
  ~SelfColouring() override { DeleteObject(brush); }

 protected:
  HBRUSH OnReflectedCtlColor(HDC, UINT message) override { return message == WM_CTLCOLORSTATIC ? brush : nullptr; }
  bool OnReflectedScroll(UINT message, int code, int) override {
    if (message != WM_HSCROLL || code != SB_LINERIGHT) return false;
    ++scrolls;
    return true;
  }
};

TEST(Reflection, ColourAndScrollNotificationsGoToTheControlsObject) {
  CDemoDialog dialog;
  ASSERT_TRUE(dialog.Create());
  SelfColouring control;
  ASSERT_TRUE(control.Create(u"x", WS_VISIBLE, RECT{0, 0, 20, 20}, dialog.page, 0));
  HDC dc = GetDC(control.GetSafeHwnd());
  const auto answer = dialog.page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(control.GetSafeHwnd()));
  ReleaseDC(control.GetSafeHwnd(), dc);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(answer), control.brush);
  dialog.page.SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(control.GetSafeHwnd()));
  EXPECT_EQ(control.scrolls, 1);
  control.DestroyWindow();
  dialog.DestroyWindow();
}

class Probe final : public CWnd {
 public:
  int timers = 0;
  bool destroyed = false;

 protected:
  bool OnTimer(UINT_PTR) override { return ++timers, true; }
  void PostNcDestroy() override { destroyed = true; }
};

TEST(Binding, SubclassingAndUnsubclassingRestoreTheControlsProcedure) {
  HWND control = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(control, GWLP_WNDPROC);
  Probe probe;
  ASSERT_TRUE(probe.SubclassWindow(control));
  EXPECT_EQ(CWnd::FromHandle(control), &probe);
  probe.SendMessage(WM_TIMER, 5);
  EXPECT_EQ(probe.timers, 1);
  EXPECT_FALSE(Probe().SubclassWindow(control)) << "one object per window";
  EXPECT_EQ(probe.UnsubclassWindow(), control);
  EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), original);
  EXPECT_EQ(CWnd::FromHandle(control), nullptr);
  DestroyWindow(control);
}

TEST(Binding, OwnClassWindowIsBoundFromCreationToDestruction) {
  Probe probe;
  WindowCreateArgs args;
  args.title = u"probe";
  args.rect = RECT{0, 0, 50, 50};
  ASSERT_TRUE(probe.Create(args));
  HWND hwnd = probe.GetSafeHwnd();
  EXPECT_EQ(CWnd::FromHandle(hwnd), &probe);
  probe.SendMessage(WM_TIMER, 1);
  EXPECT_EQ(probe.timers, 1);
  EXPECT_TRUE(probe.DestroyWindow());
  EXPECT_TRUE(probe.destroyed);
  EXPECT_EQ(probe.GetSafeHwnd(), nullptr);
  EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

TEST(FrameworkDemo, ScreenshotShowsTheDialogItsPageAndTheButton) {
  CDemoDialog dialog;
  ASSERT_TRUE(dialog.Create());
  SetWindowPos(dialog.GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  dialog.page.button.SendMessage(BM_CLICK);
  test::PumpMessagesFor(400);
  const test::Capture shot = test::CaptureWindow(dialog.GetSafeHwnd());
  std::filesystem::create_directories(ZK40_ARTIFACT_DIR);
  EXPECT_TRUE(test::SaveBmp(shot, ZK40_ARTIFACT_DIR "/framework_demo.bmp"));
  ASSERT_EQ(shot.width, 480);
  ASSERT_EQ(shot.height, 300);
  EXPECT_EQ(shot.At(5, 150), kDemoBackground);
  EXPECT_EQ(shot.At(15 + 300, 60 + 150), kDemoPage);
  EXPECT_EQ(shot.At(15 + 42, 60 + 42), kDemoButton);
  dialog.DestroyWindow();
}

}  // namespace
}  // namespace zk40
