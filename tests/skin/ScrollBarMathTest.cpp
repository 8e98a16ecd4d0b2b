// The skinned scroll bar's geometry, hit test, thumb drag, auto-repeat and
// the pieces it copies from its skin.
#include <gtest/gtest.h>

#include "skin/ScrollBarMath.h"

namespace zk40::skin {
namespace {

// A list of 100 rows showing 10 at a time, on a 100-pixel bar with 18-pixel cells.
constexpr ScrollValues kHundredRows{0, 99, 10, 45};

TEST(ScrollBarGeometry, HundredPixelBarWithEighteenPixelCells) {
  const ScrollBarLayout bar = LayOutScrollBar(100, 18, kHundredRows, 45);
  EXPECT_EQ(bar.arrow, 18);
  EXPECT_EQ(bar.track, 64);
  EXPECT_EQ(bar.thumb, 6);          // 10 x 64 / 100
  EXPECT_EQ(bar.thumb_offset, 29);  // 45 x 58 / 90
  EXPECT_EQ(bar.PartSpan(ScrollPart::thumb), (Span{47, 53}));

  EXPECT_EQ(bar.HitTest(0, 0), ScrollPart::first_arrow);
  EXPECT_EQ(bar.HitTest(17, 17), ScrollPart::first_arrow);
  EXPECT_EQ(bar.HitTest(18, 5), ScrollPart::track_before);
  EXPECT_EQ(bar.HitTest(46, 5), ScrollPart::track_before);
  EXPECT_EQ(bar.HitTest(47, 5), ScrollPart::thumb);
  EXPECT_EQ(bar.HitTest(52, 5), ScrollPart::thumb);
  EXPECT_EQ(bar.HitTest(53, 5), ScrollPart::track_after);
  EXPECT_EQ(bar.HitTest(81, 5), ScrollPart::track_after);
  EXPECT_EQ(bar.HitTest(82, 5), ScrollPart::second_arrow);
  EXPECT_EQ(bar.HitTest(99, 5), ScrollPart::second_arrow);
  // Beyond either end or beside the bar: nothing.
  EXPECT_EQ(bar.HitTest(-1, 5), ScrollPart::none);
  EXPECT_EQ(bar.HitTest(100, 5), ScrollPart::none);
  EXPECT_EQ(bar.HitTest(50, 18), ScrollPart::none);
  EXPECT_EQ(bar.HitTest(50, -1), ScrollPart::none);
}

TEST(ScrollBarGeometry, ThumbFollowsThePageAndNeverGetsShorterThanSixPixels) {
  EXPECT_EQ(LayOutScrollBar(100, 18, {0, 19, 10, 0}, 0).thumb, 32);    // half the rows visible
  EXPECT_EQ(LayOutScrollBar(100, 18, {0, 999, 10, 0}, 0).thumb, 6);    // 0.64 pixels drawn as 6
  EXPECT_EQ(LayOutScrollBar(100, 18, {0, 19, 10, 10}, 10).thumb_offset, 32);  // last page: thumb at the end
  // A track of 5 pixels or less has no thumb; the track still splits around its place.
  const ScrollBarLayout tiny = LayOutScrollBar(41, 18, {0, 99, 10, 90}, 90);
  EXPECT_EQ(tiny.track, 5);
  EXPECT_EQ(tiny.thumb, 0);
  EXPECT_EQ(tiny.thumb_offset, 5);
}

TEST(ScrollBarGeometry, BarShorterThanTwoCellsIsTwoHalfArrowsWithoutTrackOrThumb) {
  const ScrollBarLayout bar = LayOutScrollBar(30, 18, kHundredRows, 45);
  EXPECT_EQ(bar.arrow, 15);
  EXPECT_EQ(bar.track, 0);
  EXPECT_EQ(bar.thumb, 0);
  EXPECT_EQ(bar.HitTest(0, 0), ScrollPart::first_arrow);
  EXPECT_EQ(bar.HitTest(14, 0), ScrollPart::first_arrow);
  EXPECT_EQ(bar.HitTest(15, 0), ScrollPart::second_arrow);
  EXPECT_EQ(bar.HitTest(29, 0), ScrollPart::second_arrow);
  EXPECT_EQ(LayOutScrollBar(36, 18, kHundredRows, 45).arrow, 18);  // exactly two cells
  EXPECT_EQ(LayOutScrollBar(0, 18, kHundredRows, 45).HitTest(0, 0), ScrollPart::none);
}

// Values that a careless division would turn into a crash or a thumb
// sticking out of its track.
TEST(ScrollBarGeometry, NothingToScrollDrawsNoThumbAndNeverDividesByZero) {
  for (const ScrollValues values : {ScrollValues{0, 9, 10, 0},    // page = range: all visible
                                    ScrollValues{0, 9, 50, 0},    // page larger than the range
                                    ScrollValues{5, 4, 0, 5},     // maximum below minimum
                                    ScrollValues{0, 0, 0, 0}}) {  // one position, no page
    const ScrollBarLayout bar = LayOutScrollBar(100, 18, values, values.position);
    EXPECT_LE(bar.thumb_offset + bar.thumb, bar.track);
    EXPECT_GE(bar.thumb_offset, 0);
    EXPECT_EQ(DragPosition(100, 18, values, values.position, 30), values.minimum);
  }
  EXPECT_EQ(LayOutScrollBar(100, 18, {0, 9, 50, 0}, 0).thumb, 0);
  EXPECT_EQ(LayOutScrollBar(100, 18, {0, 9, 10, 0}, 0).thumb_offset, 32);  // no thumb: centred place
  EXPECT_EQ(LayOutScrollBar(100, 0, kHundredRows, 45).HitTest(50, 0), ScrollPart::none);  // no skin yet
}

TEST(ScrollBarGeometry, ThumbOffsetCountsFromTheMinimumAndStaysInsideTheTrack) {
  const ScrollValues shifted{100, 199, 10, 100};
  EXPECT_EQ(LayOutScrollBar(100, 18, shifted, 100).thumb_offset, 0);
  EXPECT_EQ(LayOutScrollBar(100, 18, shifted, 190).thumb_offset, 58);
  EXPECT_EQ(DragPosition(100, 18, shifted, 100, 500), 190);
  EXPECT_EQ(DragPosition(100, 18, shifted, 150, -500), 100);
  // A position outside the range (set by a caller) keeps the thumb drawable.
  EXPECT_EQ(LayOutScrollBar(100, 18, kHundredRows, 500).thumb_offset, 58);
  EXPECT_EQ(LayOutScrollBar(100, 18, kHundredRows, -20).thumb_offset, 0);
}

TEST(ScrollBarDrag, PositionFollowsTheCursorAndIsClampedToTheScrollableRange) {
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, 0), 45);
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, 1), 46);    // 45 + 1 x 90 / 58
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, -1), 44);   // whole-number division toward 0
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, 29), 90);   // the thumb at the track's end
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, 300), 90);  // the last page, not the maximum
  EXPECT_EQ(DragPosition(100, 18, kHundredRows, 45, -300), 0);
  // A thumb filling its whole track leaves nothing to drag: the position stays.
  EXPECT_EQ(DragPosition(42, 18, {0, 10, 10, 1}, 1, 3), 1);
  // No page: the maximum itself is the end.
  EXPECT_EQ(DragPosition(100, 18, {0, 50, 0, 0}, 0, 1000), 50);
}

TEST(ScrollBarRepeat, ArrowsRepeatUntilTheirEndAndTrackPressesUntilTheThumbReachesTheCursor) {
  const auto at = [](int position) { return ScrollValues{0, 99, 10, position}; };
  EXPECT_EQ(RepeatTick(ScrollPart::second_arrow, false, ScrollPart::second_arrow, at(89)), RepeatAction::send);
  EXPECT_EQ(RepeatTick(ScrollPart::second_arrow, false, ScrollPart::second_arrow, at(90)), RepeatAction::stop);
  EXPECT_EQ(RepeatTick(ScrollPart::second_arrow, false, ScrollPart::second_arrow, {0, 20, 0, 20}),
            RepeatAction::stop);
  EXPECT_EQ(RepeatTick(ScrollPart::second_arrow, false, ScrollPart::second_arrow, {0, 20, 1, 19}),
            RepeatAction::send);
  EXPECT_EQ(RepeatTick(ScrollPart::first_arrow, false, ScrollPart::first_arrow, at(1)), RepeatAction::send);
  EXPECT_EQ(RepeatTick(ScrollPart::first_arrow, false, ScrollPart::first_arrow, at(0)), RepeatAction::stop);
  // Off the pressed part the repeat pauses without stopping.
  EXPECT_EQ(RepeatTick(ScrollPart::second_arrow, true, ScrollPart::none, at(10)), RepeatAction::wait);
  EXPECT_EQ(RepeatTick(ScrollPart::track_after, false, ScrollPart::track_after, at(10)), RepeatAction::send);
  EXPECT_EQ(RepeatTick(ScrollPart::track_after, false, ScrollPart::thumb, at(10)), RepeatAction::stop);
  EXPECT_EQ(RepeatTick(ScrollPart::track_before, false, ScrollPart::thumb, at(10)), RepeatAction::stop);
  EXPECT_EQ(RepeatTick(ScrollPart::thumb, false, ScrollPart::thumb, at(10)), RepeatAction::wait);
}

TEST(ScrollBarPieces, ThumbKeepsItsEndsTrackTilesAndShortArrowsStretch) {
  EXPECT_EQ(ThumbPieces({47, 67}, 18), (std::vector<AxisPiece>{{{0, 3}, {47, 50}, false},
                                                                 {{3, 15}, {50, 62}, false},
                                                                 {{3, 5}, {62, 64}, false},
                                                                 {{15, 18}, {64, 67}, false}}));
  EXPECT_EQ(ThumbPieces({10, 16}, 18), (std::vector<AxisPiece>{{{0, 3}, {10, 13}, false}, {{15, 18}, {13, 16}, false}}));
  EXPECT_EQ(ThumbPieces({10, 14}, 18), (std::vector<AxisPiece>{{{0, 18}, {10, 14}, true}}));
  EXPECT_TRUE(ThumbPieces({10, 10}, 18).empty());
  EXPECT_EQ(TrackPieces({18, 58}, 18), (std::vector<AxisPiece>{{{0, 18}, {18, 36}, false},
                                                                 {{0, 18}, {36, 54}, false},
                                                                 {{0, 4}, {54, 58}, false}}));
  EXPECT_TRUE(TrackPieces({18, 58}, 0).empty());
  EXPECT_EQ(ArrowPiece({0, 18}, 18), (AxisPiece{{0, 18}, {0, 18}, false}));
  EXPECT_EQ(ArrowPiece({15, 30}, 18), (AxisPiece{{0, 18}, {15, 30}, true}));
}

TEST(ScrollBarPieces, EachPartTakesItsCellOfTheSkin) {
  EXPECT_EQ(SkinCell(ScrollPart::first_arrow, true, ScrollLook::normal, 18), (Rect{0, 0, 18, 18}));
  EXPECT_EQ(SkinCell(ScrollPart::thumb, true, ScrollLook::hover, 18), (Rect{36, 18, 54, 36}));
  EXPECT_EQ(SkinCell(ScrollPart::track_after, true, ScrollLook::normal, 18), (Rect{54, 0, 72, 18}));
  EXPECT_EQ(SkinCell(ScrollPart::track_before, false, ScrollLook::normal, 18), (Rect{126, 0, 144, 18}));
  EXPECT_EQ(SkinCell(ScrollPart::second_arrow, false, ScrollLook::pressed, 18), (Rect{90, 36, 108, 54}));
  EXPECT_EQ(CornerCell(false, 18), (Rect{144, 0, 162, 18}));
  EXPECT_EQ(CornerCell(true, 18), (Rect{144, 18, 162, 36}));
}

}  // namespace
}  // namespace zk40::skin
