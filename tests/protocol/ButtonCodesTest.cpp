#include <gtest/gtest.h>

#include "protocol/ButtonCodes.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

using Block = std::array<std::uint8_t, 16>;

DpiTable Dpi(std::initializer_list<std::int32_t> values) {
  std::int32_t stages[kDpiSlots] = {};
  std::copy(values.begin(), values.end(), stages);
  return BuildDpiTable(stages);
}

TEST(DpiCodes, ValuesAndStageSelector) {
  const DpiTable two = Dpi({500, 1000, 0, 0, 0});
  EXPECT_EQ(two.block, (Block{2, 4, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 2, 4, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
  EXPECT_EQ(two.Selector(), 2);
  EXPECT_EQ(Dpi({750, 1000, 1500, 2000, 3000}).Selector(), 3);  // five stages, at most three selectable
  EXPECT_EQ(Dpi({0, 0, 0, 0, 0, 500, 500, 500}).Selector(), 0);  // only the first five count

  EXPECT_EQ(DpiCode(250), 1);
  EXPECT_EQ(DpiCode(3500), 14);
  EXPECT_EQ(DpiCode(4000), 40);
  EXPECT_EQ(DpiCode(5000), 42);
  EXPECT_EQ(DpiCode(6000), 44);
  EXPECT_EQ(DpiCode(7000), 46);
  for (std::int32_t none : {0, -250, 125, 260, 3750, 4500, 8000}) EXPECT_EQ(DpiCode(none), kNoDpiStage) << none;
}

TEST(ButtonFunctionCodes, FixedFunctionsAndKeyCombinations) {
  ButtonAssignment a{};
  a.function_type = 32;
  EXPECT_EQ(FixedButtonCode(a), DeviceCode(0x03, 0x00, 0xCD, 0x00));
  a.function_type = 143;
  EXPECT_EQ(FixedButtonCode(a), DeviceCode(0x0A, 0xF0, 0x18, 0x02));
  a.function_type = 5;
  a.key_combo_code = DeviceCode(0x00, 0x03, 0x04, 0x00);
  EXPECT_EQ(FixedButtonCode(a), a.key_combo_code);
  for (std::int32_t none : {0, 3, 6, 7, 19, 36, 83, 122, 200}) {
    a.function_type = none;
    EXPECT_EQ(FixedButtonCode(a), std::nullopt) << none;
  }
  EXPECT_EQ(FunctionName(22, false), u"Scroll down");
  EXPECT_EQ(FunctionName(5, false), u"");
  EXPECT_EQ(MacroButtonCode(2, 0x103), DeviceCode(0x09, 0x00, 0x02, 0x03));
}

TEST(ButtonFunctionCodes, OwnCodesAreTheNativeFunctions) {
  const std::uint32_t expected[kButtonCount] = {
      DeviceCode(1, 0, 0xF0, 0), DeviceCode(1, 0, 0xF2, 0), DeviceCode(1, 0, 0xF1, 0), DeviceCode(1, 0, 0xF4, 0),
      DeviceCode(1, 0, 0xF3, 0), DeviceCode(4, 0, 0x01, 0), DeviceCode(4, 0, 0x02, 0)};
  for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(ButtonOwnCode(b), expected[b]) << b;
}

TEST(LightingValues, EffectBytesAndColourOrder) {
  ProfileRecord r;
  FillProfileDefaults(r, false);
  r.led_effect1_level = 7;
  r.led_effect2_level = 9;
  auto bytes = [&](int effect) {
    r.led_effect = effect;
    const LedEffectBytes v = LedEffectValues(r);
    return std::array<int, 3>{v.effect, v.level, v.variant};
  };
  EXPECT_EQ(bytes(1), (std::array<int, 3>{1, 7, 1}));
  EXPECT_EQ(bytes(2), (std::array<int, 3>{2, 9, 1}));
  EXPECT_EQ(bytes(3), (std::array<int, 3>{3, 2, 3}));
  EXPECT_EQ(bytes(4), (std::array<int, 3>{4, 10, 2}));
  EXPECT_EQ(bytes(5), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(bytes(0), (std::array<int, 3>{0, 0, 0}));

  r.led_color[0] = 0x11;
  r.led_color[1] = 0x22;
  r.led_color[2] = 0x33;
  EXPECT_EQ(LedColour(r), 0x00332211u);
  EXPECT_EQ(LedColorCommand(LedColour(r)), (CommandBytes{0x0C, 0x01, 0x22, 0x11, 0x33}));
}

}  // namespace
}  // namespace zk40
