// The link's hidden window and the HID helper library beside the program.
#include <gtest/gtest.h>

#include <windows.h>

#include "device/LinkWindow_win32.h"

namespace zk40 {
namespace {

TEST(LinkWindowTest, WithTheHelperBesideTheProgramTheLinkWindowIsReady) {
  LinkWindow link;
  EXPECT_EQ(link.CreateLinkWindow(nullptr), 1);
  const HWND hwnd = link.Handle();
  ASSERT_TRUE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_POPUP | WS_CHILD), WS_POPUP);
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.left, 1);
  EXPECT_EQ(rect.top, 1);
  EXPECT_EQ(rect.right - rect.left, 1);
  EXPECT_EQ(rect.bottom - rect.top, 1);
  EXPECT_EQ(link.CreateLinkWindow(nullptr), 1);  // a second call makes no second window
  EXPECT_EQ(link.Handle(), hwnd);

  link.Shutdown();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(link.Handle(), nullptr);
}

TEST(LinkWindowTest, AMissingHelperOrExportGivesZeroAndTheWindowStillExists) {
  LinkWindow withoutExport(u"MenuEx.dll");  // beside the program, but not the helper
  EXPECT_EQ(withoutExport.CreateLinkWindow(nullptr), 0);
  EXPECT_TRUE(IsWindow(withoutExport.Handle()));

  LinkWindow missing(u"NoSuchHelper.dll");
  EXPECT_EQ(missing.CreateLinkWindow(nullptr), 0);
  EXPECT_TRUE(IsWindow(missing.Handle()));
}

}  // namespace
}  // namespace zk40
