#include <gtest/gtest.h>

#include "protocol/ButtonCodes.h"
#include "protocol/MacroEncoder.h"
#include "shell/MouseEventCodes.h"
#include "support/MacroBuilder.h"
#include "support/ReportBytes.h"
#include "support/UploadRig.h"

namespace zk40 {
namespace {

using test::Delay;
using test::Macro;
using test::Press;
using test::Release;

constexpr std::uint32_t kMacroA = 0x15000111;
constexpr std::uint32_t kMacroB = 0x01000999;

class UploadTest : public ::testing::Test, protected test::UploadRig {
 protected:
  void SetUp() override { ASSERT_TRUE(Open()); }

  void Bind(int button, std::uint32_t macroId) {
    store->current_record.buttons[button].function_type = kMacroType;
    store->current_record.buttons[button].macro_id = macroId;
    store->bound_macro_ids[static_cast<std::size_t>(button)] = macroId;
  }
  std::uint32_t Slot(int slot) {
    KeyMatrix m;
    m.bytes = *mouse.State().key_matrix;
    return m.Get(slot);
  }
  // The command bytes (1 and 2) of every accepted command report, in order.
  std::vector<int> Commands() {
    std::vector<int> commands;
    for (const TransferRecord& t : test::OfKind(mouse.Transfers(), TransferKind::set_feature)) {
      commands.push_back(t.bytes[1] == 0x01 || t.bytes[1] == 0x03 ? t.bytes[1] : t.bytes[1] | t.bytes[2] << 8);
    }
    return commands;
  }
};

TEST_F(UploadTest, FactoryProfileWritesEveryButtonsOwnCodeAndReportsEachStep) {
  ASSERT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(0), DeviceCode(0x01, 0x00, 0xF0, 0x00));
  EXPECT_EQ(Slot(1), DeviceCode(0x01, 0x00, 0xF1, 0x00));
  EXPECT_EQ(Slot(2), DeviceCode(0x01, 0x00, 0xF2, 0x00));
  EXPECT_EQ(Slot(3), DeviceCode(0x07, 0x00, 0x03, 0x00));
  EXPECT_EQ(Slot(4), DeviceCode(0x01, 0x00, 0xF3, 0x00));
  EXPECT_EQ(Slot(5), DeviceCode(0x01, 0x00, 0xF4, 0x00));
  EXPECT_EQ(Slot(14), DeviceCode(0x04, 0x00, 0x01, 0x00));
  EXPECT_EQ(Slot(15), DeviceCode(0x04, 0x00, 0x02, 0x00));
  for (int s : {6, 7, 8, 9, 10, 11, 12, 13}) EXPECT_EQ(Slot(s), 0u) << s;
  EXPECT_EQ(observer.Progress(), (std::vector<int>{0, 7, 14, 21, 28, 35, 42, 60, 70, 75, 80, 90, 100}));
  EXPECT_EQ(observer.Events()[11], "pointer 0 10 3");
  EXPECT_EQ(observer.Events().back(), "success");

  EXPECT_EQ(Commands(), (std::vector<int>{0x0112, 0x010C, 0x010D, 0x03, 0x0111, 0x010B, 0x01}));
  const MouseState state = mouse.State();
  EXPECT_EQ(*state.dpi_block, (std::array<std::uint8_t, 16>{3, 4, 6, 8, 12, 0x80, 0x80, 0x80, 3, 4, 6, 8, 12, 0x80,
                                                            0x80, 0x80}));
  EXPECT_EQ(state.dpi_select, 3);
  EXPECT_EQ(*state.colour, (std::array<std::uint8_t, 3>{0, 255, 0}));  // green, red, blue
  EXPECT_EQ(*state.effect, (std::array<std::uint8_t, 3>{4, 10, 2}));
  EXPECT_EQ(state.touch_sensing, true);
  EXPECT_EQ(state.report_interval, 1);
  EXPECT_EQ(clock.NowMs(), 1100u);  // 50 + 7 x 50 + key matrix 300 + DPI 100 + 300
}

TEST_F(UploadTest, MacroButtonsGetSlotNumbersInButtonOrder) {
  store->macros[10] = Macro(1, {Press('A'), Delay(50), Release('A')}, kMacroA);
  store->macros[3] = Macro(2, {Press('B')}, kMacroB);
  Bind(2, kMacroB);  // right, key-matrix slot 1
  Bind(1, kMacroA);  // middle, key-matrix slot 2: uploaded first
  ASSERT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(2), DeviceCode(0x09, 0x00, 0x01, 0x03));
  EXPECT_EQ(Slot(1), DeviceCode(0x09, 0x00, 0x02, 0x02));
  const MouseState state = mouse.State();
  EXPECT_EQ(state.macros.at(1), EncodeMacro(store->macros[10]).bytes);
  EXPECT_EQ(state.macros.at(2), EncodeMacro(store->macros[3]).bytes);
  EXPECT_EQ(Commands()[0], 0x0113);
  EXPECT_EQ(Commands()[1], 0x0113);
  EXPECT_EQ(Commands()[2], 0x0112);
  EXPECT_EQ(clock.NowMs(), 1100u + 2 * 1750u);  // each macro: 100 + 16 x 100 ms, then 50 ms
}

TEST_F(UploadTest, AMissingOrEmptyMacroLeavesItsSlotZeroAndUsesNoSlotNumber) {
  store->macros[0] = Macro(1, {Press('A')}, kMacroA);
  store->macros[0].record_size = 0;
  store->macros[1] = Macro(1, {Press('B')}, kMacroB);
  Bind(0, kMacroA);      // empty record
  Bind(1, 0x15000001);   // deleted macro
  Bind(2, 0);            // bound to nothing
  Bind(3, kMacroB);
  ASSERT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(0), 0u);
  EXPECT_EQ(Slot(2), 0u);
  EXPECT_EQ(Slot(1), 0u);
  EXPECT_EQ(Slot(5), DeviceCode(0x09, 0x00, 0x01, 0x02));
  EXPECT_EQ(mouse.State().macros.size(), 1u);
  EXPECT_EQ(clock.NowMs(), 1100u - 3 * 50u + 1750u);  // a button without a code has no wait
}

TEST_F(UploadTest, HostActionKeepsTheButtonsOwnCodeAndIsInterceptedUntilChangedBack) {
  store->current_record.buttons[2].function_type = kHostActionType;
  ASSERT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(1), DeviceCode(0x01, 0x00, 0xF1, 0x00));
  EXPECT_TRUE(hooks.IsIntercepted(kRightDown));

  store->current_record.buttons[2].function_type = 2;  // Menu
  ASSERT_TRUE(sequence.Run());
  EXPECT_FALSE(hooks.IsIntercepted(kRightDown));
  EXPECT_EQ(hooks.InterceptList(), (std::array<std::uint32_t, kInterceptSlots>{}));
}

TEST_F(UploadTest, UnknownAndComboTypesAndDpiStagesAsCoded) {
  store->current_record.buttons[3].function_type = 3;  // no code
  store->current_record.buttons[4].function_type = kKeyComboType;
  store->current_record.buttons[4].key_combo_code = DeviceCode(0x00, 0x01, 0x06, 0x00);  // Ctrl+C
  store->current_record.dpi_stages[2] = 0;
  store->current_record.dpi_stages[3] = 0;
  store->current_record.dpi_stages[4] = 0;
  store->current_record.report_interval_ms = 3;
  ASSERT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(5), 0u);
  EXPECT_EQ(Slot(4), DeviceCode(0x00, 0x01, 0x06, 0x00));
  EXPECT_EQ(mouse.State().dpi_select, 2);
  EXPECT_EQ(mouse.State().report_interval, 2);
}

TEST_F(UploadTest, TouchSensingFailureStopsEverythingAfterIt) {
  mouse.RejectFeatureStartingWith({0x03});
  EXPECT_FALSE(sequence.Run());
  EXPECT_EQ(observer.Events().back(), "failure 4");
  EXPECT_EQ(observer.Progress().back(), 70);
  EXPECT_EQ(mouse.Transfers().back().bytes, test::Feature({0x03, 0xA0}));  // nothing after the failed report
  EXPECT_FALSE(mouse.State().dpi_block);
  EXPECT_FALSE(mouse.State().report_interval);
  EXPECT_TRUE(mouse.State().colour);  // earlier writes stay on the mouse
}

TEST_F(UploadTest, EachCheckedStepFailsWithItsOwnIndex) {
  const std::pair<std::vector<std::uint8_t>, std::string> cases[] = {
      {{0x12}, "failure 0"}, {{0x0C}, "failure 1"}, {{0x0D}, "failure 2"}, {{0x11}, "failure 5"}};
  for (const auto& [prefix, expected] : cases) {
    EmulatedMouse fresh{clock, clock};
    CUSBDriver freshLink{fresh, clock};
    test::RecordingUploadObserver seen;
    UploadSequence run{*store, freshLink, hooks, seen};
    ASSERT_TRUE(freshLink.OpenDevice());
    fresh.RejectFeatureStartingWith(prefix);
    EXPECT_FALSE(run.Run());
    EXPECT_EQ(seen.Events().back(), expected);
    EXPECT_EQ(seen.Results(), 1);
    if (expected == "failure 5") {
      EXPECT_FALSE(fresh.State().dpi_select);
    }
  }
}

TEST_F(UploadTest, UnpluggedMouseFailsAtTheKeyMatrixAfterTheMacros) {
  store->macros[0] = Macro(1, {Press('A')}, kMacroA);
  Bind(6, kMacroA);
  mouse.UnplugAfter(0);
  EXPECT_FALSE(sequence.Run());
  EXPECT_EQ(observer.Events().back(), "failure 0");
  EXPECT_EQ(Commands(), (std::vector<int>{0x0113, 0x0112}));  // the failed macro was not an error
}

TEST_F(UploadTest, AKeyMatrixWhoseWritesNeverCompletedIsNotReportedAsUploaded) {
  mouse.AnswerWritesPending(std::nullopt);
  EXPECT_FALSE(sequence.Run());
  EXPECT_EQ(observer.Events().back(), "failure 0");
}

TEST_F(UploadTest, AMacroTheMouseRefusedStillGetsItsCode) {
  store->macros[0] = Macro(1, {Press('A'), Release('A')}, kMacroA);
  Bind(0, kMacroA);
  mouse.RejectFeatureStartingWith({0x13});
  EXPECT_TRUE(sequence.Run());
  EXPECT_EQ(Slot(0), DeviceCode(0x09, 0x00, 0x01, 0x03));
  EXPECT_EQ(clock.NowMs(), 1100u + 50u);  // the refused command sent no blocks
}

}  // namespace
}  // namespace zk40
