#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/StartupProbe.h"
#include "platform/Clock.h"

namespace zk40 {
namespace {

// A system whose update-mode device and mouse turn up at a given try (0 = never).
struct ScriptedSystem final : ProbeSystem {
  explicit ScriptedSystem(VirtualClock& time) : clock(time) {}
  bool InitialiseLink() override {
    log.push_back("init@" + std::to_string(clock.NowMs()));
    return link_ok;
  }
  bool UpdateModeDevicePresent() override {
    log.push_back("look@" + std::to_string(clock.NowMs()));
    return ++looks == update_mode_at;
  }
  bool OpenMouse() override {
    log.push_back("open@" + std::to_string(clock.NowMs()));
    return ++opens == mouse_at;
  }
  VirtualClock& clock;
  bool link_ok = true;
  int update_mode_at = 0;
  int mouse_at = 0;
  int looks = 0;
  int opens = 0;
  std::vector<std::string> log;
};

TEST(StartupProbeTest, AMouseThatIsThereOpensAfterTheTwoLooksForTheUpdateModeDevice) {
  VirtualClock clock;
  ScriptedSystem system(clock);
  system.mouse_at = 1;
  EXPECT_EQ(RunStartupProbe(system, clock), ProbeOutcome::mouse_opened);
  EXPECT_EQ(system.log, (std::vector<std::string>{"init@0", "look@0", "look@500", "open@1000"}));
  EXPECT_EQ(clock.NowMs(), ProbeWaitMs(1));
}

TEST(StartupProbeTest, AMouseThatComesLateIsTriedEvery500ms) {
  VirtualClock clock;
  ScriptedSystem system(clock);
  system.mouse_at = 4;
  EXPECT_EQ(RunStartupProbe(system, clock), ProbeOutcome::mouse_opened);
  EXPECT_EQ(system.opens, 4);
  EXPECT_EQ(system.log.back(), "open@2500");
  EXPECT_EQ(clock.NowMs(), ProbeWaitMs(4));
}

TEST(StartupProbeTest, NoMouseAfterTenTriesIsNotFoundAfterSixSeconds) {
  VirtualClock clock;
  ScriptedSystem system(clock);
  EXPECT_EQ(RunStartupProbe(system, clock), ProbeOutcome::mouse_not_found);
  EXPECT_EQ(system.looks, 2);
  EXPECT_EQ(system.opens, 10);
  EXPECT_EQ(clock.NowMs(), 6000u);
}

TEST(StartupProbeTest, TheUpdateModeDeviceHandsOverWithoutOpeningTheMouse) {
  for (int at : {1, 2}) {
    VirtualClock clock;
    ScriptedSystem system(clock);
    system.update_mode_at = at;
    system.mouse_at = 1;
    EXPECT_EQ(RunStartupProbe(system, clock), ProbeOutcome::update_mode) << at;
    EXPECT_EQ(system.looks, at);
    EXPECT_EQ(system.opens, 0);
  }
}

TEST(StartupProbeTest, WithoutTheLinkNothingIsLookedForAndNothingWaits) {
  VirtualClock clock;
  ScriptedSystem system(clock);
  system.link_ok = false;
  system.mouse_at = 1;
  EXPECT_EQ(RunStartupProbe(system, clock), ProbeOutcome::no_hid_support);
  EXPECT_EQ(system.log, (std::vector<std::string>{"init@0"}));
  EXPECT_EQ(clock.NowMs(), 0u);
}

}  // namespace
}  // namespace zk40
