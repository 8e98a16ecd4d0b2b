// Windows whose object deletes itself once the window is gone (popups):
// the object must outlive every handler of its own that is still running.
#include <gtest/gtest.h>

#include "framework/Wnd.h"

namespace zk40 {
namespace {

struct Log {
  bool in_handler = false;
  bool deleted = false;
  bool deleted_inside_handler = false;
};

class SelfDeleting final : public CWnd {
 public:
  explicit SelfDeleting(Log& log) : log_(log) {}

 protected:
  // Its owner closes it while it reports a click, as a menu's owner does.
  bool OnLButtonUp(UINT, POINT) override {
    Log& log = log_;
    log.in_handler = true;
    ::DestroyWindow(m_hWnd);
    log.in_handler = false;
    return true;
  }
  void PostNcDestroy() override {
    log_.deleted = true;
    log_.deleted_inside_handler = log_.in_handler;
    delete this;
  }

 private:
  Log& log_;
};

SelfDeleting* MakeWindow(Log& log) {
  auto* window = new SelfDeleting(log);
  WindowCreateArgs args;
  args.rect = RECT{0, 0, 20, 20};
  if (!window->Create(args)) {
    delete window;
    return nullptr;
  }
  return window;
}

TEST(SelfDeletingWindow, DestroyedFromItsOwnHandlerIsDeletedOnlyAfterTheHandlerReturns) {
  Log log;
  SelfDeleting* window = MakeWindow(log);
  ASSERT_NE(window, nullptr);
  HWND hwnd = window->GetSafeHwnd();
  SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(log.deleted);
  EXPECT_FALSE(log.deleted_inside_handler);
}

TEST(SelfDeletingWindow, DestroyedFromOutsideIsDeletedAtOnce) {
  Log log;
  SelfDeleting* window = MakeWindow(log);
  ASSERT_NE(window, nullptr);
  ::DestroyWindow(window->GetSafeHwnd());
  EXPECT_TRUE(log.deleted);
}

}  // namespace
}  // namespace zk40
