#include <gtest/gtest.h>

#include "pages/MacroPageHints.h"

namespace zk40 {
namespace {

TEST(MacroPageHints, FollowTheLayoutAndTheRecording) {
  // The record button tells how to start, and while recording how to stop.
  EXPECT_EQ(HintsAt(MacroPageHintAreas(false, false), {840, 37}), (std::vector<int>{45}));
  EXPECT_EQ(HintsAt(MacroPageHintAreas(false, true), {840, 37}), (std::vector<int>{46}));
  // Insert sits further right in the Chinese layout, and its hint moves with it.
  EXPECT_EQ(HintsAt(MacroPageHintAreas(false, false), {350, 426}), (std::vector<int>{42}));
  EXPECT_TRUE(HintsAt(MacroPageHintAreas(true, false), {350, 426}).empty());
  EXPECT_EQ(HintsAt(MacroPageHintAreas(true, false), {376, 426}), (std::vector<int>{42}));
  // The key field and its choice share one hint; the middle mouse button has its own.
  EXPECT_EQ(HintsAt(MacroPageHintAreas(false, false), {700, 349}), (std::vector<int>{52}));
  EXPECT_EQ(HintsAt(MacroPageHintAreas(true, false), {768, 230}), (std::vector<int>{50}));
}

}  // namespace
}  // namespace zk40
