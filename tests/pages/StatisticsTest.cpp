#include <gtest/gtest.h>

#include <limits>

#include "pages/Statistics.h"
#include "platform/Utf16Text.h"
#include "platform/WindowMessages.h"
#include "shell/HookState.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();

std::string U8(const std::u16string& text) { return Utf16ToUtf8(text); }

TEST(TrophyLevelTest, EachBoundRaisesTheLevelExactlyWhenReached) {
  const std::uint32_t bounds[] = {100'000,   500'000,   1'000'000, 1'500'000, 2'000'000, 2'500'000,
                                  3'000'000, 4'000'000, 5'000'000, 6'000'000, 8'000'000, 10'000'000};
  EXPECT_EQ(TrophyLevelOf(0), 0);
  for (int level = 1; level <= 12; ++level) {
    const std::uint32_t bound = bounds[level - 1];
    EXPECT_EQ(TrophyLevelOf(bound - 1), level - 1) << bound;
    EXPECT_EQ(TrophyLevelOf(bound), level) << bound;
  }
  EXPECT_EQ(TrophyLevelOf(kMax), 12);
}

TEST(TrophyLevelTest, EitherTotalRaisesTheLevel) {
  StatisticsCounters c{};
  c.left = 99'999;
  EXPECT_EQ(RaisedTrophyLevel(0, c), 0);
  ASSERT_TRUE(CountMouseEvent(c, kLeftDown));
  EXPECT_EQ(RaisedTrophyLevel(0, c), 1);

  StatisticsCounters wheel{};
  wheel.wheel_forward = 60'000;
  wheel.wheel_backward = 40'000;
  EXPECT_EQ(RaisedTrophyLevel(0, wheel), 1);

  // The three buttons add up.
  StatisticsCounters buttons{};
  buttons.left = buttons.middle = buttons.right = 500'000;
  EXPECT_EQ(RaisedTrophyLevel(0, buttons), 4);
}

TEST(TrophyLevelTest, TheLevelNeverDropsWhenTheCountersWrap) {
  StatisticsCounters c{};
  c.left = kMax;
  int level = RaisedTrophyLevel(0, c);
  EXPECT_EQ(level, 12);
  CountMouseEvent(c, kRightDown);  // the click total wraps to 0
  EXPECT_EQ(ClickTotal(c), 0u);
  EXPECT_EQ(RaisedTrophyLevel(level, c), 12);
}

TEST(TrophyLevelTest, TheStripGrowsByAThirteenthPerLevel) {
  EXPECT_EQ(ProgressStripWidth(0), 21);
  EXPECT_EQ(ProgressStripWidth(1), 42);
  EXPECT_EQ(ProgressStripWidth(11), 252);
  EXPECT_EQ(ProgressStripWidth(12), 273);
  EXPECT_EQ(ProgressStripWidth(800), 273);
  EXPECT_EQ(ProgressStripWidth(-5), 0);
}

TEST(StatisticsCountingTest, TheHooksWheelStepWithDeltaZeroCountsForward) {
  HookState hooks;
  hooks.Installed(1);
  hooks.SetRecorderReporting(0, 0);
  StatisticsCounters c{};
  for (const auto& [delta, forward] : {std::pair{0u, true}, {120u, true}, {static_cast<std::uint32_t>(-120), false}}) {
    const HookDecision decision = hooks.OnMouseEvent(kWheelMessage, delta << 16);
    ASSERT_EQ(decision.post_count, 1);
    ASSERT_EQ(decision.posts[0].message, msg::kHostMouseEvent);
    EXPECT_TRUE(CountMouseEvent(c, decision.posts[0].wparam));
    EXPECT_EQ(forward ? c.wheel_forward : c.wheel_backward, 1u) << delta;
    c = {};
  }
}

TEST(StatisticsCountingTest, OnlyTheThreeButtonsAndTheWheelAreCounted) {
  StatisticsCounters c{};
  EXPECT_TRUE(CountMouseEvent(c, kLeftDown));
  EXPECT_TRUE(CountMouseEvent(c, kMiddleDown));
  EXPECT_TRUE(CountMouseEvent(c, kMiddleDown));
  EXPECT_TRUE(CountMouseEvent(c, kRightDown));
  for (std::uint32_t other : {kBackDown, kForwardDown, kMouseMove, 514u, 0u}) EXPECT_FALSE(CountMouseEvent(c, other));
  EXPECT_EQ(c.left, 1u);
  EXPECT_EQ(c.middle, 2u);
  EXPECT_EQ(c.right, 1u);
  EXPECT_EQ(c.wheel_forward + c.wheel_backward + c.cursor_travel, 0u);
}

TEST(StatisticsCountingTest, CursorTravelAddsBothAxesAndSurvivesFarJumps) {
  StatisticsCounters c{};
  EXPECT_EQ(AddCursorTravel(c, {10, 10}, {7, 14}), 7u);
  EXPECT_EQ(AddCursorTravel(c, {7, 14}, {7, 14}), 0u);
  EXPECT_EQ(AddCursorTravel(c, {-2'000'000'000, 0}, {2'000'000'000, 0}), 4'000'000'000u);
  EXPECT_EQ(c.cursor_travel, 4'000'000'007u);
}

TEST(StatisticsTextsTest, NumbersAreUnsignedAndTheDistanceHasTwoDecimals) {
  EXPECT_EQ(U8(DistanceText(5'000'000)), "500.00");
  EXPECT_EQ(U8(DistanceText(0)), "0.00");
  EXPECT_EQ(U8(DistanceText(12'345)), "1.23");
  EXPECT_EQ(U8(DistanceText(kMax)), "429496.73");

  StatisticsCounters c{};
  c.left = 3'000'000'000u;
  c.middle = 2;
  c.wheel_forward = 7;
  c.wheel_backward = 8;
  c.cursor_travel = 5'000'000;
  const auto texts = StatisticsTexts(c);
  EXPECT_EQ(U8(texts[0]), "3000000000");
  EXPECT_EQ(U8(texts[3]), "3000000002");
  EXPECT_EQ(U8(texts[6]), "15");
  EXPECT_EQ(U8(texts[7]), "500.00");
}

TEST(StatisticsTextsTest, TrophyPicturesAreNamedByLevel) {
  EXPECT_EQ(U8(TrophyPicturePath(u"C:\\ZK40", 0)), "C:\\ZK40\\skins\\trophy\\trophy0Down.bmp");
  EXPECT_EQ(U8(TrophyPicturePath(u"C:\\ZK40", 12)), "C:\\ZK40\\skins\\trophy\\trophy12Down.bmp");
}

}  // namespace
}  // namespace zk40
