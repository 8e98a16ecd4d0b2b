// The window framework with real windows: binding, reflection, the modal
// loop's PreTranslateMessage chain, and a screenshot of the demo.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/demo/DemoDialogs_win32.h"
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

// A modal dialog over a child page: notes whether the page's top-level
// window takes input while it runs, then ends itself.
class OwnerProbeDialog final : public CDialog {
 public:
  explicit OwnerProbeDialog(CWnd* parent) : CDialog(IDD_INFO, parent) {}
  bool top_enabled_while_running = true;

 protected:
  bool OnInitDialog() override {
    PostMessage(kFinish);
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
    if (msg != kFinish) return false;
    top_enabled_while_running = ::IsWindowEnabled(::GetAncestor(Parent()->GetSafeHwnd(), GA_ROOT)) != 0;
    EndDialog(1);
    return true;
  }
};

TEST(ModalLoop, ADialogOverAPageHoldsOffTheWholeWindowNotOnlyThePage) {
  CDialog window(IDD_INFO, nullptr);
  ASSERT_TRUE(window.Create());
  CDemoPage page(&window);
  ASSERT_TRUE(page.Create());
  OwnerProbeDialog probe(&page);
  EXPECT_EQ(probe.DoModal(), 1);
  EXPECT_FALSE(probe.top_enabled_while_running) << "the window around the page took clicks under the dialog";
  EXPECT_TRUE(::IsWindowEnabled(window.GetSafeHwnd())) << "the window stayed disabled after the dialog";
  EXPECT_TRUE(::IsWindowEnabled(page.GetSafeHwnd()));
  window.DestroyWindow();
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
  ControlCreateArgs args;
  args.text = u"x";
  args.rect = RECT{0, 0, 20, 20};
  args.parent = &dialog.page;
  ASSERT_TRUE(control.Create(args));
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

// A control that answers its own notifications.
class SelfNotifying final : public CStatic {
 public:
  int notifications = 0;

 protected:
  bool OnReflectedNotify(NMHDR& header, LRESULT& result) override {
    if (header.code != NM_CLICK) return false;
    ++notifications;
    result = 1234;
    return true;
  }
};

TEST(Reflection, NotificationsReachTheSendersObjectAndItsAnswerComesBackThroughTheDialog) {
  CDemoDialog dialog;
  ASSERT_TRUE(dialog.Create());
  SelfNotifying control;
  ControlCreateArgs args;
  args.rect = RECT{0, 0, 20, 20};
  args.parent = &dialog.page;
  ASSERT_TRUE(control.Create(args));
  NMHDR header{control.GetSafeHwnd(), 0, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(dialog.page.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 1234);
  EXPECT_EQ(control.notifications, 1);
  header.code = static_cast<UINT>(NM_DBLCLK);
  EXPECT_EQ(dialog.page.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 0) << "not answered";
  control.DestroyWindow();
  dialog.DestroyWindow();
}

TEST(Controls, AButtonWithAClickCallbackRunsItInsteadOfTellingItsParent) {
  CDemoDialog dialog;
  ASSERT_TRUE(dialog.Create());
  int calls = 0;
  CButton button;
  CButton::CreateArgs args;
  args.text = u"go";
  args.rect = RECT{0, 0, 40, 20};
  args.parent = &dialog.page;
  args.on_click = [&calls] { ++calls; };
  ASSERT_TRUE(button.Create(args));
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(dialog.page.commands_seen, 0);
  button.DestroyWindow();
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

// Answers WM_GETTEXTLENGTH after sending itself another message: Default()
// must still mean the outer message.
class NestingStatic final : public CStatic {
 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg != WM_GETTEXTLENGTH) return CStatic::OnMessage(msg, wp, lp, result);
    SendMessage(WM_TIMER, 1);
    result = Default();
    return true;
  }
};

TEST(Binding, DefaultAfterANestedMessageStillHandlesTheOuterOne) {
  NestingStatic control;
  HWND popup = CreateWindowExW(0, L"STATIC", L"four", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(control.SubclassWindow(popup));
  EXPECT_EQ(control.SendMessage(WM_GETTEXTLENGTH), 4);
  control.DestroyWindow();
}

LRESULT CALLBACK CountingSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_TIMER) ++*reinterpret_cast<int*>(data);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST(Binding, OtherSubclassesOfTheControlSurviveOurs) {
  HWND control = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  int seen_by_other = 0;
  Probe probe;
  ASSERT_TRUE(probe.SubclassWindow(control));
  // Someone else subclasses the control after us (as common controls do).
  ASSERT_TRUE(SetWindowSubclass(control, &CountingSubclass, 7, reinterpret_cast<DWORD_PTR>(&seen_by_other)));
  SendMessageW(control, WM_TIMER, 1, 0);
  EXPECT_EQ(seen_by_other, 1);
  EXPECT_EQ(probe.timers, 1);
  probe.UnsubclassWindow();
  SendMessageW(control, WM_TIMER, 1, 0);
  EXPECT_EQ(seen_by_other, 2) << "the later subclass is still in place";
  EXPECT_EQ(probe.timers, 1);
  RemoveWindowSubclass(control, &CountingSubclass, 7);
  DestroyWindow(control);
}

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
