// The skinned controls as real windows on a page, driven by messages: what
// they draw (read back from the screen), what they report, and the pictures
// they cut.
#include <gtest/gtest.h>

#include <vector>

#include "platform/WindowMessages.h"
#include "skin/BitmapEdit_win32.h"
#include "skin/ColorBtn_win32.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/IrrButton_win32.h"
#include "skin/PngHProgressBar_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "support/MessagePump_win32.h"
#include "support/TempFolder.h"
#include "support/TestPictures_win32.h"
#include "support/WindowCapture_win32.h"

namespace zk40 {
namespace {

struct Posted {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

// A page at the top-left of the screen that records what its controls tell it.
class TestPage final : public CWnd {
 public:
  std::vector<Posted> received;

  TestPage() {
    WindowCreateArgs args;
    args.title = u"skin test page";
    args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = RECT{0, 0, 400, 300};
    Create(args);
  }
  std::vector<Posted> Take(UINT msg) {
    std::vector<Posted> matching;
    for (const Posted& p : received) {
      if (p.msg == msg) matching.push_back(p);
    }
    return matching;
  }

 protected:
  bool OnEraseBkgnd(HDC dc) override {
    Brush brush(CreateSolidBrush(RGB(9, 9, 9)));
    const RECT r = GetClientRect();
    FillRect(dc, &r, brush.get());
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    received.push_back({WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control)});
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) override {
    received.push_back({msg, wp, lp});
    return true;
  }
};

// Page pictures whose colour tells the state and, through red, the x place.
COLORREF NormalAt(int x, int) { return RGB(x % 256, 40, 40); }
COLORREF OverAt(int x, int) { return RGB(x % 256, 200, 40); }
COLORREF DownAt(int x, int) { return RGB(x % 256, 40, 200); }

class SkinControls : public ::testing::Test {
 protected:
  GdiPlusSession gdiplus;
  test::TempFolder folder;
  TestPage page;
  Bitmap normal = test::MakeBitmap(400, 300, NormalAt);
  Bitmap over = test::MakeBitmap(400, 300, OverAt);
  Bitmap down = test::MakeBitmap(400, 300, DownAt);

  COLORREF ScreenAt(int x, int y) {
    test::PumpMessagesFor(150);
    return test::CaptureWindow(page.GetSafeHwnd()).At(x, y);
  }
  void SendClick(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    test::PumpMessagesFor(50);
  }
  // A slider on the page at (10, 10)-(230, 40) with a 20 x 30 thumb.
  bool OpenBar(CPngHSliderBar& bar, UINT id) {
    CPngHSliderBar::InitArgs args;
    args.thumb_path = ThumbFile();
    args.rect = RECT{10, 10, 230, 40};
    args.page = &page;
    args.id = id;
    return bar.Init(args);
  }
  void Drag(HWND window, POINT from, POINT to) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    test::PumpMessagesFor(50);
  }
  bool OpenButton(CSkinButton& button, RECT rect) {
    CButton::CreateArgs args;
    args.rect = rect;
    args.parent = &page;
    return button.Create(args);
  }
  std::u16string ThumbFile() {
    // 20 x 30, a light body with transparent corners.
    GdiPlusImage thumb = test::MakeArgbImage(20, 30, [](int x, int y) -> ARGB {
      const bool corner = (x < 3 || x > 16) && (y < 3 || y > 26);
      return corner ? 0x00000000 : 0xFFE0E0F0;
    });
    const std::u16string path = folder.Child(u"Slider.png");
    test::SavePngFile(thumb, path);
    return path;
  }
};

TEST_F(SkinControls, ABitmapButtonShowsItsOwnCutOfThePageAndTheDownCutWhileLatched) {
  CGDIBitmapBtn button;
  const RECT rect{50, 40, 150, 80};
  ASSERT_TRUE(OpenButton(button, rect));
  button.SetStatePictures(rect, normal.get(), over.get(), down.get(), normal.get());
  EXPECT_EQ(GetDlgCtrlID(button.GetSafeHwnd()), 0);
  EXPECT_EQ(GetWindowLongW(button.GetSafeHwnd(), GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(ScreenAt(60, 50), NormalAt(60, 50)) << "the cut matches the page under it";
  EXPECT_EQ(ScreenAt(149, 79), NormalAt(149, 79));
  button.SetToggleMode(true, false);
  button.SetLatched(true);
  EXPECT_EQ(ScreenAt(60, 50), DownAt(60, 50));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(ScreenAt(60, 50), DownAt(60, 50)) << "latched keeps the pressed look under the mouse";
}

TEST_F(SkinControls, ToggleOnClickWithNotifyPressFlipsOnceAndReportsPressReleaseAndClick) {
  CGDIBitmapBtn button;
  ASSERT_TRUE(OpenButton(button, RECT{50, 40, 150, 80}));
  button.SetToggleMode(true, true);
  button.notify_press = true;
  SendClick(button.GetSafeHwnd(), 10, 10);
  EXPECT_TRUE(button.GetLatched());
  const auto notes = page.Take(msg::kButtonPressNotify);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].wp, WPARAM{WM_LBUTTONDOWN});
  EXPECT_EQ(notes[1].wp, WPARAM{WM_LBUTTONUP});
  EXPECT_EQ(notes[0].lp, reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
  const auto commands = page.Take(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wp, WPARAM{MAKEWPARAM(0, BN_CLICKED)});
  EXPECT_EQ(commands[0].lp, reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
}

TEST_F(SkinControls, WithoutItsOverPictureAHoveredButtonKeepsItsNormalLook) {
  CGDIBitmapBtn button;
  const RECT rect{50, 40, 150, 80};
  ASSERT_TRUE(OpenButton(button, rect));
  button.SetStatePictures(rect, normal.get(), nullptr, down.get(), normal.get());
  SetActiveWindow(page.GetSafeHwnd());
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  ASSERT_TRUE(button.Hovering());
  EXPECT_EQ(ScreenAt(60, 50), NormalAt(60, 50));
  ReleaseCapture();
}

TEST_F(SkinControls, AnIrregularButtonIsItsOutlineDrawsThePageUnderItAndReportsOnPress) {
  // The top-right corner cut off.
  const Region region = QuadRegion(layout::Quad{{{{100, 100}, {260, 100}, {300, 160}, {100, 160}}}});
  CIrrButton button;
  CIrrButton::CreateArgs args;
  args.region = region.get();
  args.parent = &page;
  ASSERT_TRUE(button.Create(args));
  button.CutPictures(normal.get(), down.get(), over.get(), nullptr);
  EXPECT_EQ(button.Box(), (skin::Rect{100, 100, 300, 160}));
  EXPECT_TRUE(button.HitTest(POINT{5, 5}));
  EXPECT_FALSE(button.HitTest(POINT{195, 2})) << "the cut corner is not the button";
  EXPECT_EQ(ScreenAt(150, 130), NormalAt(150, 130));
  EXPECT_EQ(ScreenAt(295, 103), RGB(9, 9, 9)) << "the page shows through the cut corner";

  button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 30));
  test::PumpMessagesFor(50);
  auto commands = page.Take(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u) << "reported on press";
  EXPECT_EQ(commands[0].wp, WPARAM{0});
  EXPECT_EQ(commands[0].lp, reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
  EXPECT_EQ(ScreenAt(150, 130), DownAt(150, 130));
  button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 30));
  button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 30));
  button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 30));
  test::PumpMessagesFor(50);
  EXPECT_EQ(page.Take(WM_COMMAND).size(), 2u) << "a double click is a second press, and a release reports nothing";
  ReleaseCapture();
}

// Colour by place in both directions, so that a cut taken or drawn a row or
// a column off shows.
COLORREF PlaceAt(int x, int y) { return RGB(x % 256, y % 256, 90); }

TEST_F(SkinControls, IrregularButtonsCutFromAPagesResourcesDrawThePictureUnderThemUpToItsEdge) {
  // Smaller than the page: the lower buttons and the last ones reach past its edges.
  Bitmap picture = test::MakeBitmap(300, 200, PlaceAt);
  Bitmap pressed = test::MakeBitmap(300, 200, DownAt);
  test::PictureLibrary library(folder.native());
  ASSERT_TRUE(library.AddBitmap(157, picture.get()));
  ASSERT_TRUE(library.AddBitmap(158, over.get()));
  ASSERT_TRUE(library.AddBitmap(159, pressed.get()));
  HMODULE module = library.Load();
  ASSERT_NE(module, nullptr);
  std::vector<std::unique_ptr<CIrrButton>> buttons;
  std::vector<CIrrButton*> all;
  for (int i = 0; i < 11; ++i) {
    Region region(CreateRectRgn(10 + i * 30, 150 + (i % 2) * 20, 35 + i * 30, 230));
    auto button = std::make_unique<CIrrButton>();
    CIrrButton::CreateArgs args;
    args.region = region.get();
    args.parent = &page;
    ASSERT_TRUE(button->Create(args));
    all.push_back(button.get());
    buttons.push_back(std::move(button));
  }
  CutIrregularPictures(all, layout::StatePictureIds{157, 158, 159, 157}, module);
  test::PumpMessagesFor(50);
  EXPECT_EQ(ScreenAt(132, 151), PlaceAt(132, 151)) << "inside the picture";
  EXPECT_EQ(ScreenAt(40, 170), PlaceAt(40, 170)) << "the first pixel of a box starting lower";
  EXPECT_EQ(ScreenAt(299, 199), PlaceAt(299, 199)) << "the picture's last pixel, in a box reaching past it";
  EXPECT_EQ(ScreenAt(283, 180), PlaceAt(283, 180));

  all[5]->SetToggleMode(true);
  all[5]->SetLatched(true);
  test::PumpMessagesFor(50);
  EXPECT_EQ(ScreenAt(162, 190), DownAt(162, 190)) << "the down look's own cut";
}

TEST_F(SkinControls, ATrackClickPostsTheValueUnderItAndMovesTheThumbThere) {
  CPngHSliderBar bar;
  ASSERT_TRUE(OpenBar(bar, 2560));
  EXPECT_EQ(bar.ThumbSize().cx, 20);
  bar.SetTrack(RECT{10, 10, 210, 40});  // 200 pixels
  bar.SetRange(1, 20);
  SendClick(bar.GetSafeHwnd(), 100, 15);
  auto moved = page.Take(msg::kSliderMoved);
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].wp, WPARAM{10});  // 1 + 100 x 19 / 200
  EXPECT_EQ(moved[0].lp, LPARAM{2560});
  EXPECT_EQ(bar.Position(), 10);
  RECT thumb = bar.Thumb().GetWindowRect();
  MapWindowPoints(nullptr, bar.GetSafeHwnd(), reinterpret_cast<POINT*>(&thumb), 2);
  EXPECT_EQ(thumb.left, skin::ThumbLeft(10, {1, 20}, 0, 220, 20));
  EXPECT_EQ(thumb.bottom, 30) << "the thumb sits on the bar's bottom edge";

  bar.SetPosition(21);
  EXPECT_EQ(bar.Position(), 1) << "above the maximum goes to the minimum";

  bar.Enable(false);
  page.received.clear();
  SendClick(bar.GetSafeHwnd(), 180, 15);
  Drag(bar.Thumb().GetSafeHwnd(), POINT{5, 5}, POINT{105, 5});
  EXPECT_TRUE(page.Take(msg::kSliderMoved).empty()) << "a disabled slider sends nothing";
  EXPECT_EQ(bar.Position(), 1);
}

TEST_F(SkinControls, DraggingTheThumbPostsTheValueWithTheBarsId) {
  CPngHSliderBar bar;
  ASSERT_TRUE(OpenBar(bar, 769));
  bar.SetRange(1, 20);
  bar.SetPosition(1);
  HWND thumb = bar.Thumb().GetSafeHwnd();
  SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(bar.Position(), 1) << "grabbing without moving keeps the value";
  SendMessageW(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(110, 10));  // left edge to 100: nearest is 11
  SendMessageW(thumb, WM_LBUTTONUP, 0, MAKELPARAM(110, 10));
  test::PumpMessagesFor(50);
  const auto moved = page.Take(msg::kSliderMoved);
  ASSERT_FALSE(moved.empty());
  EXPECT_EQ(moved.back().wp, WPARAM{11});
  EXPECT_EQ(moved.back().lp, LPARAM{769});
  EXPECT_FALSE(bar.Thumb().Dragging());
}

TEST_F(SkinControls, ASliderShowsItsCutOfThePageWithItsThumbOverIt) {
  CPngHSliderBar bar;
  ASSERT_TRUE(OpenBar(bar, 12));
  const GdiPlusImage picture = test::MakeArgbImage(400, 300, [](int x, int y) -> ARGB {
    const COLORREF c = NormalAt(x, y);
    return 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
  });
  bar.SetBackground(skin::Rect{10, 10, 230, 40}, picture);
  bar.SetRange(1, 20);
  bar.SetPosition(20);  // the thumb at the right end, over the bar's x 200 to 220
  EXPECT_EQ(ScreenAt(10 + 50, 10 + 15), NormalAt(10 + 50, 10 + 15)) << "the bar shows the page under it";
  EXPECT_EQ(ScreenAt(10 + 210, 10 + 15), RGB(0xE0, 0xE0, 0xF0)) << "the thumb's body";
  EXPECT_EQ(ScreenAt(10 + 200, 10), NormalAt(10 + 200, 10)) << "around the thumb's corner the page shows";
}

TEST_F(SkinControls, AProgressBarAtHalfItsRangeFillsHalfItsWidth) {
  CPngHProgressBar bar;
  CPngHProgressBar::CreateArgs args;
  args.rect = RECT{35, 47, 295, 56};
  args.parent = &page;
  args.id = 7;
  ASSERT_TRUE(bar.Create(args));
  GdiPlusImage empty = test::MakeArgbImage(330, 160, [](int, int) -> ARGB { return 0xFF202080; });
  GdiPlusImage full = test::MakeArgbImage(330, 160, [](int, int) -> ARGB { return 0xFFE04020; });
  bar.SetPictures(skin::Rect{35, 47, 295, 56}, &empty, &full);
  bar.SetRange(0, 100);
  bar.SetReadOnly(true);
  bar.SetPosition(50);
  EXPECT_EQ(ScreenAt(35 + 129, 50), RGB(0xE0, 0x40, 0x20));
  EXPECT_EQ(ScreenAt(35 + 130, 50), RGB(0x20, 0x20, 0x80));
  SendClick(bar.GetSafeHwnd(), 200, 3);
  EXPECT_TRUE(page.Take(msg::kProgressBarDragged).empty()) << "read-only";
  EXPECT_EQ(bar.Position(), 50);

  bar.SetReadOnly(false);
  bar.SetRange(0, 10);
  Drag(bar.GetSafeHwnd(), POINT{10, 3}, POINT{130, 3});
  const auto dragged = page.Take(msg::kProgressBarDragged);
  ASSERT_EQ(dragged.size(), 1u) << "one message, when the drag ends";
  EXPECT_EQ(dragged[0].wp, WPARAM{5});
  EXPECT_EQ(dragged[0].lp, LPARAM{7});
}

TEST_F(SkinControls, AColourSwatchFillsItselfAndASkinnedEditPaintsThePageBehindItsText) {
  CColorBtn swatch;
  ASSERT_TRUE(OpenButton(swatch, RECT{300, 200, 340, 230}));
  swatch.SetColour(RGB(12, 200, 34));
  EXPECT_EQ(ScreenAt(320, 215), RGB(12, 200, 34));

  CBitmapEdit edit;
  ControlCreateArgs edit_args;
  edit_args.style = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  edit_args.rect = RECT{20, 250, 200, 270};
  edit_args.parent = &page;
  ASSERT_TRUE(edit.Create(edit_args));
  EXPECT_EQ(GetWindowLongW(edit.GetSafeHwnd(), GWL_STYLE) & (WS_BORDER | WS_TABSTOP), 0);
  EXPECT_EQ(edit.SendMessage(EM_GETLIMITTEXT), 256);
  GdiPlusImage page_picture = test::MakeArgbImage(400, 300, [](int, int) -> ARGB { return 0xFF304050; });
  edit.SetBackground(skin::Rect{20, 250, 200, 270}, page_picture);
  ASSERT_NE(edit.BackgroundBrush(), nullptr);
  EXPECT_EQ(ScreenAt(190, 260), RGB(0x30, 0x40, 0x50));
  HDC dc = GetDC(edit.GetSafeHwnd());
  const LRESULT brush = page.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(edit.GetSafeHwnd()));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), edit.BackgroundBrush());
  EXPECT_EQ(GetTextColor(dc), CBitmapEdit::kTextColour);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(edit.GetSafeHwnd(), dc);
}

}  // namespace
}  // namespace zk40
