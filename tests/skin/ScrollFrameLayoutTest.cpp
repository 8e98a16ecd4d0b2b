// The frame around a skinned list: the list's own bars, narrowed to one
// cell, must fall exactly outside the clipping window, where the skin bars
// and the corner box lie.
#include <gtest/gtest.h>

#include "skin/ScrollFrameLayout.h"

namespace zk40::skin {
namespace {

constexpr int kCell = 18;
constexpr int kSystemBar = 16;

// A list window of 200 x 150 whose own size computation left its client
// area beside bars of the platform's width; the list sits at the frame's
// origin, so its window coordinates are the frame's.
struct Wrapped {
  Rect client;
  Rect vertical;
  Rect horizontal;
  LimitPlacement place;
  Rect corner;
};

Wrapped Wrap(const Rect& own_client, const ListScrollBars& bars) {
  Wrapped w;
  w.client = WidenClientForSkin(own_client, bars, kCell, kSystemBar, kSystemBar);
  w.vertical = VerticalBarStrip(w.client, bars, kCell);
  w.horizontal = HorizontalBarStrip(w.client, bars, kCell);
  w.place = PlaceLimit(200, 150, bars, kCell);
  w.corner = CornerBox(200, 150, CornerModeOf(bars), kCell);
  return w;
}

bool Overlap(const Rect& a, const Rect& b) {
  return !IsEmpty(a) && !IsEmpty(b) && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The list's client area seen through the clipping window, in frame coordinates.
Rect ListClientInFrame(const Wrapped& w) {
  const int dx = w.place.limit.left + w.place.list_origin.x, dy = w.place.limit.top + w.place.list_origin.y;
  return {w.client.left + dx, w.client.top + dy, w.client.right + dx, w.client.bottom + dy};
}

TEST(ScrollFrameLayout, VerticalBarOnTheRight) {
  const Wrapped w = Wrap({0, 0, 200 - kSystemBar, 150}, {true, false, false});
  EXPECT_EQ(w.client, (Rect{0, 0, 182, 150}));
  EXPECT_EQ(w.vertical, (Rect{182, 0, 200, 150}));
  EXPECT_TRUE(IsEmpty(w.horizontal));
  EXPECT_EQ(w.place.limit, (Rect{0, 0, 182, 150}));
  EXPECT_EQ(w.place.list_origin, (Point{0, 0}));
  EXPECT_FALSE(Overlap(w.vertical, w.place.limit));
  EXPECT_EQ(ListClientInFrame(w), w.place.limit);
  EXPECT_TRUE(IsEmpty(w.corner));
}

TEST(ScrollFrameLayout, BothBarsWithTheVerticalOneOnTheLeft) {
  const ListScrollBars bars{true, true, true};
  const Wrapped w = Wrap({kSystemBar, 0, 200, 150 - kSystemBar}, bars);
  EXPECT_EQ(w.client, (Rect{18, 0, 200, 132}));
  EXPECT_EQ(w.vertical, (Rect{0, 0, 18, 132}));
  EXPECT_EQ(w.horizontal, (Rect{18, 132, 200, 150}));
  EXPECT_EQ(w.place.limit, (Rect{18, 0, 200, 132}));
  EXPECT_EQ(w.place.list_origin, (Point{-18, 0}));  // the list moves a cell to the left
  EXPECT_EQ(CornerModeOf(bars), CornerMode::bottom_left);
  EXPECT_EQ(w.corner, (Rect{0, 132, 18, 150}));
  // Strips, clipping window and corner tile the frame without overlapping.
  EXPECT_FALSE(Overlap(w.vertical, w.place.limit));
  EXPECT_FALSE(Overlap(w.horizontal, w.place.limit));
  EXPECT_FALSE(Overlap(w.corner, w.vertical));
  EXPECT_FALSE(Overlap(w.corner, w.horizontal));
  EXPECT_EQ(w.vertical.Width() * w.vertical.Height() + w.horizontal.Width() * w.horizontal.Height() +
                w.place.limit.Width() * w.place.limit.Height() + w.corner.Width() * w.corner.Height(),
            200 * 150);
  EXPECT_EQ(ListClientInFrame(w), w.place.limit);
}

TEST(ScrollFrameLayout, BothBarsOnTheRightPutTheCornerBottomRight) {
  const ListScrollBars bars{true, false, true};
  const Wrapped w = Wrap({0, 0, 200 - kSystemBar, 150 - kSystemBar}, bars);
  EXPECT_EQ(w.vertical, (Rect{182, 0, 200, 132}));
  EXPECT_EQ(w.horizontal, (Rect{0, 132, 182, 150}));
  EXPECT_EQ(CornerModeOf(bars), CornerMode::bottom_right);
  EXPECT_EQ(w.corner, (Rect{182, 132, 200, 150}));
  EXPECT_EQ(ListClientInFrame(w), w.place.limit);
}

TEST(ScrollFrameLayout, ListWithoutBarsFillsTheFrame) {
  const Wrapped w = Wrap({0, 0, 200, 150}, {});
  EXPECT_EQ(w.client, (Rect{0, 0, 200, 150}));
  EXPECT_TRUE(IsEmpty(w.vertical));
  EXPECT_EQ(w.place.limit, (Rect{0, 0, 200, 150}));
  EXPECT_EQ(CornerModeOf({true, false, false}), CornerMode::none);
  EXPECT_EQ(CornerModeOf({false, false, true}), CornerMode::none);
}

}  // namespace
}  // namespace zk40::skin
