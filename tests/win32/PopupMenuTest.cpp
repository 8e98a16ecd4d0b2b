// The popup window and the language menu as real windows driven by
// messages, and the nine-slice frame as drawn by the platform's GDI+.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/WindowMessages.h"
#include "skin/MenuEx_win32.h"
#include "skin/PictureLoading_win32.h"
#include "support/MessagePump_win32.h"
#include "support/TestPictures_win32.h"

namespace zk40 {
namespace {

class Parent final : public CWnd {
 public:
  std::vector<std::pair<WPARAM, LPARAM>> notes;

  Parent() {
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.rect = RECT{0, 0, 300, 300};
    Create(args);
  }

 protected:
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) override {
    if (msg != msg::kApplyLanguage) return false;
    notes.emplace_back(wp, lp);
    return true;
  }
};

TEST(NineSliceFrame, NineSliceLeavesNoSeamUnderWine) {
  GdiPlusSession gdiplus;
  const GdiPlusImage frame = test::MakeArgbImage(65, 65, [](int, int) -> ARGB { return 0xFF202428; });
  GdiPlusImage target = test::MakeArgbImage(116, 273, [](int, int) -> ARGB { return 0; });
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(gdip::GdipGetImageGraphicsContext(target.get(), &graphics), Gdiplus::Ok);
  DrawNineSlice(graphics, frame, skin::Rect{0, 0, 116, 273}, skin::Rect{0, 0, 65, 65}, 32);
  gdip::GdipDeleteGraphics(graphics);
  int holes = 0;
  for (int y = 0; y < 273; ++y) {
    for (int x = 0; x < 116; ++x) holes += test::PixelOf(target, x, y) != 0xFF202428 ? 1 : 0;
  }
  EXPECT_EQ(holes, 0);
}

TEST(LanguageMenu, ListsTwelveLanguagesFollowsTheCursorAndReportsChoiceAndClosing) {
  GdiPlusSession gdiplus;
  Parent parent;
  auto* menu = new CMenuExA();
  menu->SetFramePicture(129);  // the generated frame, linked into the test program
  ASSERT_TRUE(menu->Create(parent.GetSafeHwnd(), RECT{100, 20, 110, 30}, msg::kApplyLanguage));
  HWND window = menu->GetSafeHwnd();
  test::PumpMessagesFor(50);
  const RECT r = menu->GetWindowRect();
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 116);
  EXPECT_EQ(r.bottom - r.top, 273);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_EQ(menu->Items().size(), 12u);
  EXPECT_EQ(menu->Items()[0].text, u"Chinese");
  EXPECT_EQ(menu->Items()[11].text, u"Trad.Chinese");
  EXPECT_EQ(menu->Items()[11].value, 12u);
  EXPECT_TRUE(menu->Items()[3].picture) << "each language shows its small flag";

  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(40, 60));
  EXPECT_EQ(menu->Hovered(), 2);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 60));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 60));
  ASSERT_EQ(parent.notes.size(), 1u);
  EXPECT_EQ(parent.notes[0], (std::pair<WPARAM, LPARAM>{0, 3}));

  SendMessageW(window, WM_CLOSE, 0, 0);  // the menu deletes itself
  EXPECT_FALSE(IsWindow(window));
  ASSERT_EQ(parent.notes.size(), 2u);
  EXPECT_EQ(parent.notes[1], (std::pair<WPARAM, LPARAM>{0, 0}));
}

}  // namespace
}  // namespace zk40
