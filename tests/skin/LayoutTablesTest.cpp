// Geometry that the layout tables compute rather than list.

#include <gtest/gtest.h>

#include "skin/layout/LightingPageLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/ScrollBarSkinLayout.h"
#include "skin/layout/StatisticsPageLayout.h"

namespace zk40::layout {
namespace {

TEST(LayoutTables, PresetSwatchesStepFortyPixelsAndCloseUpAfterTheFifthColumn) {
  const Rect first = lighting_page::PresetSwatch(0, false);
  EXPECT_EQ(first.left, 177);
  EXPECT_EQ(first.top, 258);
  EXPECT_EQ(first.Width(), 31);
  EXPECT_EQ(first.Height(), 31);
  EXPECT_EQ(lighting_page::PresetSwatch(4, false).left, 337);
  EXPECT_EQ(lighting_page::PresetSwatch(5, false).left, 376);
  EXPECT_EQ(lighting_page::PresetSwatch(7, false).top, 299) << "the eighth swatch starts row 2";
  const Rect last_chinese = lighting_page::PresetSwatch(25, true);
  EXPECT_EQ(last_chinese.left, 140 + 40 * 4);
  EXPECT_EQ(last_chinese.top, 256 + 41 * 3);
  EXPECT_EQ(last_chinese.Height(), 32);
}

TEST(LayoutTables, ProgressStripShowsOneThirteenthPerLevelAndStopsAtFull) {
  EXPECT_EQ(statistics_page::StripWidth(0), 21);
  EXPECT_EQ(statistics_page::StripWidth(6), 147);
  EXPECT_EQ(statistics_page::StripWidth(12), 273);
  EXPECT_EQ(statistics_page::StripWidth(40), 273);
  EXPECT_EQ(statistics_page::StripRect(12).right, 631 + 273);
}

TEST(LayoutTables, TrophyIconsFillRowsOfFive) {
  const Rect twelfth = statistics_page::TrophyIcon(12);
  EXPECT_EQ(twelfth.left, 647 + 2 * 50);
  EXPECT_EQ(twelfth.top, 248);
  EXPECT_EQ(statistics_page::TrophyIcon(5).left, 647);
  EXPECT_EQ(statistics_page::TrophyIcon(5).top, 190);
}

TEST(LayoutTables, StatisticsNumberColumnFollowsTheInstallLanguage) {
  EXPECT_EQ(statistics_page::ValueBox(0, false).left, 152);
  EXPECT_EQ(statistics_page::ValueBox(0, true).right, 242);
  EXPECT_EQ(statistics_page::ValueBox(7, true).left, 187) << "the distance box moves further in Chinese";
  EXPECT_EQ(statistics_page::ValueBox(7, false).left, 152);
}

TEST(LayoutTables, LanguageMenuOfTwelveItemsAndScrollSkinCells) {
  EXPECT_EQ(picture_menu::ItemRect(11).top, 6 + 22 * 11);
  EXPECT_EQ(picture_menu::WindowSize(12).width, 116);
  EXPECT_EQ(picture_menu::WindowSize(12).height, 6 + 22 * 12 + 3);
  EXPECT_EQ(scroll_skin::kCell, 18);
  EXPECT_EQ(scroll_skin::CellRect(scroll_skin::kCorner, 1).left, 144);
  EXPECT_EQ(scroll_skin::CellRect(scroll_skin::kCorner, 1).bottom, 36);
}

TEST(LayoutTables, TabsAndProfileButtonsDoNotOverlap) {
  for (std::size_t i = 1; i < main_window::kTabs.size(); ++i) {
    EXPECT_LT(main_window::kTabs[i - 1].points[1].x, main_window::kTabs[i].points[0].x);
    EXPECT_LT(main_window::kTabs[i - 1].points[2].x, main_window::kTabs[i].points[3].x);
  }
  for (std::size_t i = 1; i < main_window::kProfileButtons.size(); ++i) {
    EXPECT_LT(main_window::kProfileButtons[i - 1].points[1].x, main_window::kProfileButtons[i].points[0].x);
  }
  EXPECT_EQ(main_window::kTabs[0].Bounds().left, 30);
  EXPECT_EQ(main_window::kApplyButton.Bounds().left, 806);
}

}  // namespace
}  // namespace zk40::layout
