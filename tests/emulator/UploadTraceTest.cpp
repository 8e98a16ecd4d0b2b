#include <gtest/gtest.h>

#include "UploadTrace.h"
#include "protocol/ButtonCodes.h"
#include "settings/ProfileDefaults.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

using test::Delay;
using test::Macro;
using test::Press;
using test::Release;

class UploadTraceTest : public ::testing::Test {
 protected:
  UploadTraceTest() { FillProfileDefaults(store->current_record, false); }

  std::vector<std::string> Lines(const UploadTraceOptions& options = {}) { return RunUploadTrace(*store, options).lines; }
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
};

UploadTraceOptions Rejecting(std::vector<std::uint8_t> prefix) {
  UploadTraceOptions options;
  options.fail_feature = std::move(prefix);
  return options;
}

UploadTraceOptions UnpluggedAfter(std::size_t transfers) {
  UploadTraceOptions options;
  options.unplug_after = transfers;
  return options;
}

std::string Padded(const std::string& start, std::size_t bytes) { return start + std::string(2 * bytes - start.size(), '0'); }

TEST_F(UploadTraceTest, FactoryProfileTraceEndsAt1100ms) {
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "50 progress 0");
  EXPECT_EQ(lines[6], "350 progress 42");
  EXPECT_EQ(lines[7], Padded("400 feature 0512010040", 65 + 6));
  EXPECT_EQ(lines[8], "550 output 050100f0000100f1000100f200070003000100f3000100f4000000000000000000");
  EXPECT_EQ(lines[9], "650 output 050000000000000000000000000000000000000000000000000400010004000200");
  EXPECT_EQ(lines[17], "750 output 05030406080c808080030406080c80808000000000000000000000000000000000");
  EXPECT_EQ(lines[20], "800 pointer 0 10 3");
  EXPECT_EQ(lines[24], "1100 success");
  EXPECT_EQ(lines[25], "intercept 0 0 0 0 0 0 0 0 0 0 0 0");
}

TEST_F(UploadTraceTest, OneBoundMacroAdds1750ms) {
  store->macros[0] = Macro(1, {Press('A'), Delay(50), Release('A')}, 0x15000123);
  store->current_record.buttons[4].function_type = kMacroType;
  store->bound_macro_ids[4] = 0x15000123;
  store->current_record.buttons[2].function_type = kHostActionType;
  const UploadTrace trace = RunUploadTrace(*store, {});
  EXPECT_EQ(trace.lines[trace.lines.size() - 2], "2850 success");
  EXPECT_EQ(trace.lines.back(), "intercept 516 0 0 0 0 0 0 0 0 0 0 0");
  EXPECT_NE(trace.device_state.find("  slot 4   09 00 01 03  macro slot 1, 3 units\n"), std::string::npos);
  EXPECT_NE(trace.device_state.find("macro slot 1, loop 1, 3 units: press A, 50 ms, release A\n"), std::string::npos);
}

TEST_F(UploadTraceTest, RejectedTouchCommandIsTheLastReport) {
  const std::vector<std::string> lines = Lines(Rejecting({0x03}));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3], Padded("700 feature 0503a0", 65 + 6));
  EXPECT_EQ(lines[lines.size() - 2], "700 failure 4");
}

TEST_F(UploadTraceTest, UnpluggedMouseFailsAtTheKeyMatrix) {
  const std::vector<std::string> lines = Lines(UnpluggedAfter(0));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[7], Padded("400 feature 0512010040", 65 + 6));
  EXPECT_EQ(lines[8], "400 failure 0");

  // Unplugged between the key matrix's command and its data: the command was
  // accepted but the data never arrived, which is a failed key matrix too.
  const std::vector<std::string> later = Lines(UnpluggedAfter(1));
  EXPECT_EQ(later[later.size() - 2], "700 failure 0");
}

}  // namespace
}  // namespace zk40
