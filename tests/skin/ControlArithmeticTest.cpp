// The rules of the skinned controls: slider clicks with their snapping,
// thumb places and drags, the progress fill, and the button looks.
#include <gtest/gtest.h>

#include "skin/ButtonLook.h"
#include "skin/SliderMath.h"

namespace zk40::skin {
namespace {

TEST(TrackClick, ShortRangesSnapToTheirTopValueNearTheRightEnd) {
  const ValueRange one_to_five{1, 5};
  EXPECT_EQ(TrackClickValue(80, 100, one_to_five), 4);  // 4.2
  EXPECT_EQ(TrackClickValue(95, 100, one_to_five), 5);  // 4.8 > 4.75
  EXPECT_EQ(TrackClickValue(93, 100, one_to_five), 4);  // 4.72
  const ValueRange one_to_ten{1, 10};
  EXPECT_EQ(TrackClickValue(88, 90, one_to_ten), 10);  // 9 by division, 9.8 > 9.75
  EXPECT_EQ(TrackClickValue(87, 90, one_to_ten), 9);   // 9.7
  const ValueRange one_to_three{1, 3};
  EXPECT_EQ(TrackClickValue(94, 100, one_to_three), 3);  // 2.88 > 2.87
  EXPECT_EQ(TrackClickValue(93, 100, one_to_three), 2);  // 2.86
}

TEST(TrackClick, OtherRangesReachTheirMaximumOnlyAtTheRightEnd) {
  const ValueRange pointer_speed{1, 20};
  EXPECT_EQ(TrackClickValue(99, 100, pointer_speed), 19);
  EXPECT_EQ(TrackClickValue(100, 100, pointer_speed), 20);
  EXPECT_EQ(TrackClickValue(95, 100, ValueRange{2, 5}), 4) << "snapping needs a minimum of 1";
  EXPECT_EQ(TrackClickValue(255, 256, ValueRange{0, 255}), 254);
}

TEST(TrackClick, ClicksBesideTheTrackGiveTheEndsAndAnEmptyTrackTheMinimum) {
  EXPECT_EQ(TrackClickValue(-15, 100, ValueRange{1, 20}), 1);
  EXPECT_EQ(TrackClickValue(130, 100, ValueRange{1, 20}), 20);
  EXPECT_EQ(TrackClickValue(130, 100, ValueRange{1, 5}), 5);
  EXPECT_EQ(TrackClickValue(10, 0, ValueRange{1, 20}), 1);
  EXPECT_EQ(TrackClickValue(10, -5, ValueRange{1, 20}), 1);
}

TEST(ThumbPlace, AValueOutsideTheRangePutsTheThumbAtTheMinimumNotTheMaximum) {
  // Bar 220 wide, thumb 20 wide: 200 pixels of travel over 19 steps.
  const ValueRange range{1, 20};
  EXPECT_EQ(ThumbLeft(1, range, 0, 220, 20), 0);
  EXPECT_EQ(ThumbLeft(20, range, 0, 220, 20), 200);
  EXPECT_EQ(ThumbLeft(10, range, 0, 220, 20), 94);  // 200 x 9 / 19
  EXPECT_EQ(ThumbLeft(21, range, 0, 220, 20), 0);
  EXPECT_EQ(ThumbLeft(0, range, 0, 220, 20), 0);
  EXPECT_EQ(ThumbLeft(7, ValueRange{7, 7}, 5, 220, 20), 5) << "a range of one value";
}

TEST(ThumbDrag, TheThumbStaysInsideItsLimitsAndItsPlaceGivesTheValue) {
  EXPECT_EQ(DraggedThumbLeft(0, 20, 100, 0, 220), 100);
  EXPECT_EQ(DraggedThumbLeft(0, 20, -30, 0, 220), 0);
  EXPECT_EQ(DraggedThumbLeft(150, 170, 80, 0, 220), 200);
  const ValueRange range{1, 20};
  // Places: 10 at 94, 11 at 105.
  EXPECT_EQ(ThumbValue(99, range, 0, 220, 20), 10);
  EXPECT_EQ(ThumbValue(100, range, 0, 220, 20), 11);
  EXPECT_EQ(ThumbValue(200, range, 0, 220, 20), 20);
  EXPECT_EQ(ThumbValue(0, range, 0, 220, 20), 1);
  EXPECT_EQ(ThumbValue(250, range, 0, 220, 20), 20);
  EXPECT_EQ(ThumbValue(100, range, 0, 20, 20), 1) << "a thumb as wide as its bar cannot move";
}

TEST(ThumbDrag, AGrabbedThumbThatHasNotMovedKeepsItsValue) {
  // Regression: the value read back from a thumb's place was one less than
  // the value that put it there, so the first move of a drag stepped down.
  for (const ValueRange range : {ValueRange{1, 20}, ValueRange{1, 30}, ValueRange{0, 255}, ValueRange{1, 5}}) {
    for (int v = range.minimum; v <= range.maximum; ++v) {
      EXPECT_EQ(ThumbValue(ThumbLeft(v, range, 0, 300, 20), range, 0, 300, 20), v) << v;
    }
  }
}

TEST(Progress, HalfTheRangeFillsHalfTheBarDroppingAHalfPixel) {
  const ValueRange percent{0, 100};
  EXPECT_EQ(ProgressFillWidth(260, 50, percent), 130);
  EXPECT_EQ(ProgressFillWidth(201, 50, percent), 100);
  EXPECT_EQ(ProgressFillWidth(260, 100, percent), 260);
  EXPECT_EQ(ProgressFillWidth(260, 0, percent), 0);
  EXPECT_EQ(ProgressFillWidth(260, 5, ValueRange{5, 5}), 0);
  EXPECT_EQ(InRangeOrMinimum(101, percent), 0);
  EXPECT_EQ(InRangeOrMinimum(-1, percent), 0);
  EXPECT_EQ(InRangeOrMinimum(100, percent), 100);
}

TEST(Progress, ADragGivesTheValueUnderTheCursorWithinTheRange) {
  const ValueRange ten{0, 10};
  EXPECT_EQ(ProgressValueAt(35 + 130, 35, 295, ten), 5);
  EXPECT_EQ(ProgressValueAt(10, 35, 295, ten), 0);
  EXPECT_EQ(ProgressValueAt(400, 35, 295, ten), 10);
  EXPECT_EQ(ProgressValueAt(40, 35, 35, ten), 0);
}

TEST(ButtonLook, ShowLatchedFollowsLatchedWhateverTheMouseDoes) {
  ButtonState state;
  state.show_latched = true;
  state.latched = true;
  for (bool hovering : {false, true}) {
    for (bool selected : {false, true}) {
      state.hovering = hovering;
      state.selected = selected;
      EXPECT_EQ(ChooseBitmapButtonLook(state), (LookChoice{ButtonLook::down, TextRole::pressed}));
      EXPECT_EQ(ChooseIrregularButtonLook(state), (LookChoice{ButtonLook::down, TextRole::pressed}));
    }
  }
  state.latched = false;
  state.selected = true;
  state.hovering = false;
  EXPECT_EQ(ChooseBitmapButtonLook(state).picture, ButtonLook::normal) << "a push does not press an unlatched toggle";
}

TEST(ButtonLook, PressedThenHoverThenDisabledThenNormal) {
  ButtonState state;
  EXPECT_EQ(ChooseBitmapButtonLook(state), (LookChoice{ButtonLook::normal, TextRole::normal}));
  state.disabled = true;
  EXPECT_EQ(ChooseBitmapButtonLook(state), (LookChoice{ButtonLook::disabled, TextRole::disabled}));
  state.hovering = true;
  EXPECT_EQ(ChooseBitmapButtonLook(state), (LookChoice{ButtonLook::over, TextRole::over}));
  state.selected = true;
  EXPECT_EQ(ChooseBitmapButtonLook(state), (LookChoice{ButtonLook::down, TextRole::pressed}));
  // An irregular button asks for disabled first and keeps the normal text colour.
  EXPECT_EQ(ChooseIrregularButtonLook(state), (LookChoice{ButtonLook::disabled, TextRole::normal}));
  state.disabled = false;
  EXPECT_EQ(ChooseIrregularButtonLook(state), (LookChoice{ButtonLook::down, TextRole::pressed}));
}

TEST(ButtonLook, AMissingStatePictureShowsTheNormalOne) {
  const std::array<bool, 4> no_over{true, false, true, true};
  EXPECT_EQ(PictureToDraw(ButtonLook::over, no_over), ButtonLook::normal);
  EXPECT_EQ(PictureToDraw(ButtonLook::down, no_over), ButtonLook::down);
}

TEST(Captions, IrregularCaptionsOfSixAndFiveCharactersStartAtTheirOwnOffsets) {
  const Point centre{400, 300};
  EXPECT_EQ(IrregularCaptionOrigin(centre, 6), (Point{400 - 18 + 5, 294}));
  EXPECT_EQ(IrregularCaptionOrigin(centre, 5), (Point{400 - 30 + 5, 294}));
  EXPECT_EQ(IrregularCaptionOrigin(centre, 0), (Point{405, 294}));
  EXPECT_EQ(CentreOf(Rect{100, 50, 201, 91}), (Point{150, 70}));
}

TEST(Captions, ABitmapButtonCaptionIsInsetAndVerticallyCentred) {
  EXPECT_EQ(BitmapButtonCaptionRect(Rect{0, 0, 100, 40}, 14), (Rect{8, 13, 95, 27}));
}

TEST(Captions, ACaptionTooWideForOneLineWrapsOnlyWhereTwoLinesFit) {
  const Rect button{405, 264, 520, 293};  // 115 x 29; the one-line box is 102 wide
  EXPECT_FALSE(CaptionTakesTwoLines(102, button, 14));
  EXPECT_TRUE(CaptionTakesTwoLines(103, button, 14));
  EXPECT_EQ(TwoLineCaptionRect(button, 14), (Rect{408, 264, 517, 292}));
  // Too low for two lines: one line with its ellipsis.
  EXPECT_FALSE(CaptionTakesTwoLines(200, Rect{0, 0, 115, 27}, 14));
}

}  // namespace
}  // namespace zk40::skin
