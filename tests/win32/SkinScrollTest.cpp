// The skinned scroll bar and the frame around a skinned list, as real
// windows driven by messages: what the bar draws, what it tells its owner,
// and how the frame takes the list's place, follows it and goes with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinScrollBar_win32.h"
#include "skin/SkinScrollWnd_win32.h"
#include "support/MessagePump_win32.h"
#include "support/ScrollSkinPicture_win32.h"
#include "support/WindowCapture_win32.h"

namespace zk40 {
namespace {

constexpr int kCell = 18;

struct ScrollMessage {
  UINT message;
  int code;
  int position;
  HWND bar;
};

// A visible top-level window that records the scroll messages it gets.
class Owner final : public CWnd {
 public:
  std::vector<ScrollMessage> scrolls;

  Owner() {
    // The pointer stays where the last test left it; over a bar it would
    // show that bar's hover look.
    SetCursorPos(1200, 1000);
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = RECT{0, 0, 400, 300};
    Create(args);
  }

 protected:
  bool OnScroll(UINT message, int code, int position, HWND control) override {
    scrolls.push_back({message, code, position, control});
    return true;
  }
};

class SkinScrollBarTest : public ::testing::Test {
 protected:
  Bitmap skin = test::MakeScrollSkin(kCell);
  Owner owner;
  CSkinScrollBar bar;

  // A bar of the given length at (10, 20), with the tests' skin.
  void MakeBar(bool vertical, int length) {
    CSkinScrollBar::CreateArgs args;
    args.parent = &owner;
    args.vertical = vertical;
    args.rect = vertical ? RECT{10, 20, 40, 20 + length} : RECT{10, 20, 10 + length, 50};
    ASSERT_TRUE(bar.Create(args));
    bar.SetSkin(skin.get());
  }
  // A point on the bar's axis, as a mouse message carries it.
  LPARAM At(int along) const { return bar.IsVertical() ? MAKELPARAM(5, along) : MAKELPARAM(along, 5); }
};

TEST_F(SkinScrollBarTest, TakesItsThicknessFromTheSkinAndDrawsEachPartFromItsCell) {
  MakeBar(true, 100);
  RECT r = bar.GetWindowRect();
  MapWindowPoints(nullptr, owner.GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, kCell);
  EXPECT_EQ(r.bottom - r.top, 100);

  bar.SetValues({0, 99, 10, 45}, true);
  test::PumpMessagesFor(100);
  const test::Capture shot = test::CaptureWindow(bar.GetSafeHwnd());
  ASSERT_EQ(shot.height, 100);
  EXPECT_EQ(shot.At(9, 0), test::ScrollSkinColour(0, 0));   // up arrow
  EXPECT_EQ(shot.At(9, 17), test::ScrollSkinColour(0, 0));
  EXPECT_EQ(shot.At(9, 18), test::ScrollSkinColour(3, 0));  // track before the thumb
  EXPECT_EQ(shot.At(9, 46), test::ScrollSkinColour(3, 0));
  EXPECT_EQ(shot.At(9, 47), test::ScrollSkinColour(2, 0));  // thumb: 6 pixels from offset 29
  EXPECT_EQ(shot.At(9, 52), test::ScrollSkinColour(2, 0));
  EXPECT_EQ(shot.At(9, 53), test::ScrollSkinColour(3, 0));
  EXPECT_EQ(shot.At(9, 82), test::ScrollSkinColour(1, 0));  // down arrow
  EXPECT_EQ(shot.At(17, 99), test::ScrollSkinColour(1, 0));
}

TEST_F(SkinScrollBarTest, ScrollInformationIsKeptAsGivenAndReadBack) {
  MakeBar(true, 100);
  SCROLLINFO set{sizeof set, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 45, 0};
  SetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &set, TRUE);
  EXPECT_EQ(bar.Values(), (skin::ScrollValues{0, 99, 10, 45}));
  set.fMask = SIF_POS;
  set.nPos = 500;  // not clamped: the owner's business
  SetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &set, TRUE);
  SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &got));
  EXPECT_EQ(got.nMin, 0);
  EXPECT_EQ(got.nMax, 99);
  EXPECT_EQ(got.nPage, 10u);
  EXPECT_EQ(got.nPos, 500);
  EXPECT_EQ(got.nTrackPos, -1);
}

TEST_F(SkinScrollBarTest, ArrowPressStepsAtOnceAndDoubleClicksAreSwallowed) {
  MakeBar(true, 100);
  bar.SetValues({0, 99, 10, 45}, true);
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(90));
  bar.SendMessage(WM_LBUTTONUP, 0, At(90));
  ASSERT_EQ(owner.scrolls.size(), 1u);
  EXPECT_EQ(owner.scrolls[0].message, static_cast<UINT>(WM_VSCROLL));
  EXPECT_EQ(owner.scrolls[0].code, SB_LINEDOWN);
  EXPECT_EQ(owner.scrolls[0].bar, bar.GetSafeHwnd());
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(30));  // track before the thumb
  bar.SendMessage(WM_LBUTTONUP, 0, At(30));
  ASSERT_EQ(owner.scrolls.size(), 2u);
  EXPECT_EQ(owner.scrolls[1].code, SB_PAGEUP);
  bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(90));
  test::PumpMessagesFor(700);  // no repeat either
  EXPECT_EQ(owner.scrolls.size(), 2u);
}

TEST_F(SkinScrollBarTest, ThumbDragReportsTrackPositionsThenTheFinalOne) {
  MakeBar(false, 100);
  bar.SetValues({0, 99, 10, 45}, true);
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(50));  // on the thumb
  bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(51));
  SCROLLINFO during{sizeof during, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &during);
  bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(51));  // no change, no message
  bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(400));
  bar.SendMessage(WM_LBUTTONUP, 0, At(400));
  ASSERT_EQ(owner.scrolls.size(), 3u);
  EXPECT_EQ(owner.scrolls[0].message, static_cast<UINT>(WM_HSCROLL));
  EXPECT_EQ(owner.scrolls[0].code, SB_THUMBTRACK);
  EXPECT_EQ(owner.scrolls[0].position, 46);
  EXPECT_EQ(during.nTrackPos, 46);
  EXPECT_EQ(owner.scrolls[1].code, SB_THUMBTRACK);
  EXPECT_EQ(owner.scrolls[1].position, 90);  // the last page, not the maximum
  EXPECT_EQ(owner.scrolls[2].code, SB_THUMBPOSITION);
  EXPECT_EQ(owner.scrolls[2].position, 90);
  EXPECT_EQ(bar.DragPosition(), -1);
}

// A list box with its own vertical bar inside a top-level window.
class SkinScrollWndTest : public ::testing::Test {
 protected:
  Bitmap skin = test::MakeScrollSkin(kCell);
  Owner owner;
  HWND list = nullptr;

  void MakeList(int rows) {
    list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 20,
                           20, 200, 180, owner.GetSafeHwnd(), reinterpret_cast<HMENU>(1001), nullptr, nullptr);
    AddRows(rows);
  }
  // The list wrapped, once the frame has laid itself out.
  CSkinScrollWnd* WrapList(int rows) {
    MakeList(rows);
    CSkinScrollWnd* frame = CSkinScrollWnd::SkinList(list, skin.get());
    test::PumpMessagesFor(100);
    return frame;
  }
  void AddRows(int rows) const {
    for (int i = 0; i < rows; ++i) {
      const std::wstring row = L"Row " + std::to_wstring(i);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
  }
  static std::wstring TextOf(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
  }
  static bool Visible(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
};

TEST_F(SkinScrollWndTest, FrameTakesTheListsPlaceAndItsOwnBarFallsOutsideTheClippingWindow) {
  CSkinScrollWnd* frame = WrapList(40);
  ASSERT_NE(frame, nullptr);
  HWND frame_window = frame->GetSafeHwnd();
  EXPECT_EQ(GetDlgItem(owner.GetSafeHwnd(), 1001), frame_window);
  EXPECT_EQ(TextOf(frame_window), L"SkinScrollBarFrame");
  RECT place = frame->GetWindowRect();
  MapWindowPoints(nullptr, owner.GetSafeHwnd(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 20);
  EXPECT_EQ(place.top, 20);
  EXPECT_EQ(place.right, 220);
  EXPECT_EQ(place.bottom, 200);
  EXPECT_TRUE(GetWindowLongW(frame_window, GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_BORDER);

  HWND limit = GetParent(list);
  EXPECT_EQ(limit, frame->Limit());
  EXPECT_EQ(TextOf(limit), L"LIMIT");
  EXPECT_EQ(GetDlgCtrlID(limit), 200);
  const RECT inside = frame->GetClientRect();
  RECT limit_rect{}, list_rect{}, bar_rect{};
  GetClientRect(limit, &limit_rect);
  GetWindowRect(list, &list_rect);
  GetWindowRect(frame->VerticalBar().GetSafeHwnd(), &bar_rect);
  MapWindowPoints(nullptr, frame_window, reinterpret_cast<POINT*>(&bar_rect), 2);
  EXPECT_EQ(list_rect.right - list_rect.left, inside.right) << "the list keeps the frame's inside";
  EXPECT_EQ(limit_rect.right, inside.right - kCell) << "its own bar strip is cut off";
  EXPECT_EQ(limit_rect.bottom, inside.bottom);
  EXPECT_TRUE(Visible(frame->VerticalBar().GetSafeHwnd()));
  EXPECT_FALSE(Visible(frame->HorizontalBar().GetSafeHwnd()));
  EXPECT_EQ(bar_rect.left, inside.right - kCell);
  EXPECT_EQ(bar_rect.right, inside.right);
  EXPECT_EQ(bar_rect.bottom - bar_rect.top, inside.bottom);
  EXPECT_EQ(frame->VerticalBar().Values().maximum, 39);
}

TEST_F(SkinScrollWndTest, SkinBarAndListFollowEachOther) {
  CSkinScrollWnd* frame = WrapList(40);
  ASSERT_NE(frame, nullptr);
  HWND bar = frame->VerticalBar().GetSafeHwnd();
  frame->SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(frame->VerticalBar().Values().position, 1);
  // Scrolled by other means (keyboard, program): the skin bar catches up.
  SendMessageW(list, LB_SETTOPINDEX, 12, 0);
  test::PumpMessagesFor(700);
  EXPECT_EQ(frame->VerticalBar().Values().position, 12);
}

TEST_F(SkinScrollWndTest, SkinBarShowsOnlyWhileTheListHasItsOwnBar) {
  CSkinScrollWnd* frame = WrapList(3);
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(Visible(frame->VerticalBar().GetSafeHwnd()));
  RECT limit_rect{};
  GetClientRect(frame->Limit(), &limit_rect);
  EXPECT_EQ(limit_rect.right, frame->GetClientRect().right);
  AddRows(40);
  test::PumpMessagesFor(100);
  EXPECT_TRUE(Visible(frame->VerticalBar().GetSafeHwnd()));
  GetClientRect(frame->Limit(), &limit_rect);
  EXPECT_EQ(limit_rect.right, frame->GetClientRect().right - kCell);
}

TEST_F(SkinScrollWndTest, DestroyingTheListTakesTheFrameAlong) {
  CSkinScrollWnd* frame = WrapList(40);
  ASSERT_NE(frame, nullptr);
  HWND frame_window = frame->GetSafeHwnd();
  DestroyWindow(list);
  test::PumpMessagesFor(50);
  EXPECT_FALSE(IsWindow(frame_window));
  EXPECT_EQ(GetDlgItem(owner.GetSafeHwnd(), 1001), nullptr);

  // Or the window that holds them all goes: frame and list go together.
  ASSERT_NE(WrapList(40), nullptr);
  owner.DestroyWindow();
  EXPECT_FALSE(IsWindow(list));
}

}  // namespace
}  // namespace zk40
