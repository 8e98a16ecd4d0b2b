#include <gtest/gtest.h>

#include "shell/HookState.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {
namespace {

constexpr WindowId kMain = 0x100;
constexpr WindowId kRecorder = 0x200;
constexpr std::uint32_t kWheelUp = 120u << 16;
constexpr std::uint32_t kWheelDown = static_cast<std::uint32_t>(-120) << 16;

std::vector<std::pair<std::uint32_t, std::uint32_t>> Posts(const HookDecision& d) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> posts;
  for (int i = 0; i < d.post_count; ++i) {
    const HookPost& p = d.posts[static_cast<std::size_t>(i)];
    posts.emplace_back(p.message, p.wparam);
  }
  return posts;
}
using PostList = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

class HookStateTest : public ::testing::Test {
 protected:
  HookStateTest() { hooks.Installed(kMain); }
  HookState hooks;
};

TEST_F(HookStateTest, InterceptListKeepsEachCodeOnceInTwelveSlots) {
  hooks.SetIntercept(kRightDown, 0);
  hooks.SetIntercept(kRightDown, 0);
  hooks.SetIntercept(kWheelForward, 0);
  EXPECT_EQ(hooks.InterceptList()[0], kRightDown);
  EXPECT_EQ(hooks.InterceptList()[1], kWheelForward);
  EXPECT_EQ(hooks.InterceptList()[2], 0u);
  hooks.SetIntercept(kRightDown, 1);
  EXPECT_FALSE(hooks.IsIntercepted(kRightDown));
  hooks.SetIntercept(kBackDown, 0);  // the first free slot
  EXPECT_EQ(hooks.InterceptList()[0], kBackDown);

  for (std::uint32_t c = 1; c <= 20; ++c) hooks.SetIntercept(1000 + c, 0);
  EXPECT_FALSE(hooks.IsIntercepted(1000 + 11));  // full after ten more
  EXPECT_TRUE(hooks.IsIntercepted(1000 + 10));
  hooks.SetIntercept(4242, 1);  // removing a code that is not listed changes nothing
  EXPECT_TRUE(hooks.IsIntercepted(kWheelForward));
}

TEST_F(HookStateTest, InterceptedPressAndItsReleaseNeverReachThePc) {
  hooks.SetIntercept(kRightDown, 0);
  const HookDecision down = hooks.OnMouseEvent(kRightDown, 0);
  EXPECT_TRUE(down.swallow);
  EXPECT_EQ(Posts(down), (PostList{{msg::kHostMouseEvent, kRightDown}}));
  const HookDecision up = hooks.OnMouseEvent(kRightDown + 1, 0);
  EXPECT_TRUE(up.swallow);
  EXPECT_TRUE(Posts(up).empty());  // not even the recorder hears it
  EXPECT_FALSE(hooks.OnMouseEvent(kRightDown + 1, 0).swallow);  // only the one release

  // An X-button press swallows the next X-button release, whichever button.
  hooks.SetIntercept(kBackDown, 0);
  EXPECT_TRUE(hooks.OnMouseEvent(kXButtonDown, 0x10000).swallow);
  EXPECT_TRUE(hooks.OnMouseEvent(kXButtonUp, 0x20000).swallow);
}

TEST_F(HookStateTest, DecisionAloneChangesNothing) {
  hooks.SetIntercept(kMiddleDown, 0);
  const HookDecision d = DecideMouseEvent(hooks, kMiddleDown, 0);
  EXPECT_TRUE(d.swallow);
  EXPECT_EQ(d.pending_release, kMiddleDown + 1);
  EXPECT_EQ(hooks.PendingRelease(), 0u);
}

TEST_F(HookStateTest, WheelDirectionsAreInterceptedApart) {
  hooks.SetIntercept(kWheelForward, 0);
  const HookDecision forward = hooks.OnMouseEvent(kWheelMessage, kWheelUp);
  EXPECT_TRUE(forward.swallow);
  EXPECT_EQ(Posts(forward), (PostList{{msg::kHostMouseEvent, kWheelForward}}));
  const HookDecision backward = hooks.OnMouseEvent(kWheelMessage, kWheelDown);
  EXPECT_FALSE(backward.swallow);
  EXPECT_EQ(Posts(backward), (PostList{{msg::kHostMouseEvent, kWheelBackward}, {msg::kRecorderInput, kWheelBackward}}));
  EXPECT_EQ(hooks.PendingRelease(), 0u);  // the wheel has no release
}

TEST_F(HookStateTest, ReportingFlagsChooseWhatIsPosted) {
  hooks.SetIntercept(kLeftDown, 0);  // a host action on the left button: swallowed and counted
  hooks.SetStatisticsReporting(0);
  hooks.SetRecorderReporting(0, 0);
  EXPECT_EQ(Posts(hooks.OnMouseEvent(kLeftDown, 0)), (PostList{{msg::kHostMouseEvent, kLeftDown}}));
  EXPECT_TRUE(Posts(hooks.OnMouseEvent(kMiddleDown, 0)).empty());
  EXPECT_TRUE(Posts(hooks.OnKeyEvent('A', 0)).empty());

  hooks.SetStatisticsReporting(1);
  hooks.SetRecorderReporting(1, 1);
  EXPECT_EQ(Posts(hooks.OnMouseEvent(kMiddleDown, 0)),
            (PostList{{msg::kHostMouseEvent, kMiddleDown}, {msg::kRecorderInput, kMiddleDown}}));
  EXPECT_EQ(Posts(hooks.OnMouseEvent(kMiddleDown + 1, 0)), (PostList{{msg::kRecorderInput, kMiddleDown + 1}}));
  EXPECT_EQ(Posts(hooks.OnMouseEvent(kXButtonUp, 0x10000)), (PostList{{msg::kRecorderInput, kXButtonUp + 0x10000}}));
  EXPECT_TRUE(Posts(hooks.OnMouseEvent(kMouseMove, 0)).empty());

  const HookDecision key = hooks.OnKeyEvent(0x41, 0x80);
  EXPECT_FALSE(key.swallow);
  EXPECT_EQ(key.posts[0].message, msg::kRecorderInput);
  EXPECT_EQ(key.posts[0].lparam, 0x80u);
}

TEST_F(HookStateTest, RecorderTargetGetsInterceptedEventsUntilReportingEnds) {
  hooks.SetIntercept(kRightDown, 0);
  hooks.SetHookTarget(kRecorder);
  const HookDecision d = hooks.OnMouseEvent(kRightDown, 0);
  EXPECT_EQ(d.target, kRecorder);  // the main window does not run the host action
  EXPECT_TRUE(d.swallow);
  hooks.SetRecorderReporting(0, 1);
  EXPECT_EQ(hooks.Target(), kRecorder);
  hooks.SetRecorderReporting(0, 0);
  EXPECT_EQ(hooks.Target(), kMain);
}

}  // namespace
}  // namespace zk40
