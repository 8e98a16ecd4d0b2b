// The picture menu's layout and hover rules, the tray menu's item looks and
// the composition of a popup's layers.
#include <gtest/gtest.h>

#include <vector>

#include "skin/MenuLayout.h"
#include "skin/PixelPasses.h"

namespace zk40::skin {
namespace {

std::vector<Rect> Items(int count) {
  std::vector<Rect> items;
  for (int i = 0; i < count; ++i) items.push_back(PictureMenuItemRect(i));
  return items;
}

TEST(PictureMenuLayout, TwelveLanguagesStackFromTheTopWithTheirFlagsCentred) {
  EXPECT_EQ(PictureMenuItemRect(0), (Rect{6, 6, 110, 28}));
  EXPECT_EQ(PictureMenuItemRect(11), (Rect{6, 248, 110, 270}));
  EXPECT_EQ(PictureMenuClientRect(12), (Rect{0, 0, 116, 273}));
  EXPECT_EQ(PictureMenuClientRect(0), (Rect{0, 0, 116, 9}));
  EXPECT_EQ(PictureMenuTextRect(PictureMenuItemRect(1)), (Rect{36, 28, 118, 50}));
  EXPECT_EQ(PictureMenuPicturePlace(PictureMenuItemRect(0), 19, 11), (Point{9, 11}));
  EXPECT_EQ(PictureMenuPicturePlace(PictureMenuItemRect(2), 16, 16), (Point{10, 53}));
}

TEST(PictureMenuHover, HighlightFollowsTheCursorAndLeavesWithIt) {
  const std::vector<Rect> items = Items(12);
  PictureMenuHover hover;
  EXPECT_FALSE(hover.MouseMoved(items, {2, 2}));  // frame margin: nothing to change
  EXPECT_TRUE(hover.MouseMoved(items, {40, 60}));
  EXPECT_EQ(hover.Hovered(), 2);
  EXPECT_FALSE(hover.MouseMoved(items, {100, 71}));  // still inside the third item
  EXPECT_TRUE(hover.MouseMoved(items, {100, 72}));   // first row of the fourth
  EXPECT_EQ(hover.Hovered(), 3);
  EXPECT_TRUE(hover.MouseMoved(items, {-5, 72}));  // left the menu
  EXPECT_EQ(hover.Hovered(), -1);
  EXPECT_FALSE(hover.MouseMoved(items, {-6, 72}));
  EXPECT_TRUE(hover.MouseMoved(items, {109, 6}));
  EXPECT_EQ(hover.Hovered(), 0);
  EXPECT_TRUE(hover.MouseMoved(items, {110, 6}));  // right edge is outside
}

TEST(PictureMenuHover, ReleaseChoosesOnlyTheItemItStartedAndStillIsOn) {
  const std::vector<Rect> items = Items(12);
  PictureMenuHover hover;
  const PictureMenuHover::Release nothing = hover.ButtonReleased(items, {40, 60});
  EXPECT_FALSE(nothing.redraw);
  EXPECT_FALSE(nothing.chosen);

  ASSERT_TRUE(hover.MouseMoved(items, {40, 100}));
  const PictureMenuHover::Release chosen = hover.ButtonReleased(items, {41, 101});
  ASSERT_TRUE(chosen.chosen);
  EXPECT_EQ(*chosen.chosen, 4);

  // Dragged off the item before letting go: the highlight goes, nothing is chosen.
  const PictureMenuHover::Release dragged_off = hover.ButtonReleased(items, {300, 101});
  EXPECT_TRUE(dragged_off.redraw);
  EXPECT_FALSE(dragged_off.chosen);
  EXPECT_EQ(hover.Hovered(), -1);
}

TEST(TrayMenuItem, HighlightIsFramedWithTheIconOnePixelUpLeft) {
  const Rect item{0, 22, 75, 44};
  const TrayMenuItemLook lit = LayOutTrayMenuItem(item, true);
  EXPECT_TRUE(lit.framed);
  EXPECT_EQ(lit.fill, (Rect{1, 23, 74, 43}));
  EXPECT_EQ(lit.icon, (Point{2, 24}));
  EXPECT_EQ(lit.text, (Rect{33, 22, 75, 44}));
  const TrayMenuItemLook plain = LayOutTrayMenuItem(item, false);
  EXPECT_FALSE(plain.framed);
  EXPECT_EQ(plain.fill, item);
  EXPECT_EQ(plain.icon, (Point{3, 25}));
  EXPECT_EQ(plain.text, lit.text);
}

// The content layer keyed on magenta goes over the frame layer: drawn pixels
// replace the frame, keyed-out ones leave it, translucent frame edges included.
TEST(PopupLayers, KeyedContentCoversTheFrameOnlyWhereSomethingWasDrawn) {
  std::vector<Argb> frame{0x80004A69, 0xFF0093D1, 0x00000000, 0xFFFFFFFF};
  std::vector<Argb> content{0x00FF00FF, 0x00050505, 0x00000000, 0x00FF00FF};
  KeyOutMagenta(content);
  BlendOver(frame, content);
  EXPECT_EQ(frame, (std::vector<Argb>{0x80004A69, 0xFF050505, 0xFF000001, 0xFFFFFFFF}));

  std::vector<Argb> below{0xFF204060, 0x80402010};
  BlendOver(below, std::vector<Argb>{0x80402010, 0x00000000});
  EXPECT_EQ(below, (std::vector<Argb>{0xFF504040, 0x80402010}));  // half over opaque; nothing over half
}

}  // namespace
}  // namespace zk40::skin
