// Every row of the function table, written out once more by hand: a type's
// names in both languages and the four bytes the mouse gets for it. The
// table is what the button page shows and what the key matrix carries, so no
// row may change unnoticed.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "platform/Utf16Text.h"
#include "protocol/ButtonCodes.h"
#include "protocol/FunctionTable.h"
#include "settings/SettingsTables.h"

namespace zk40 {
namespace {

struct Row {
  std::int32_t type;
  std::u16string_view chinese;
  std::u16string_view english;
  std::array<std::uint8_t, 4> wire;  // byte 0 first
};

constexpr Row kRows[] = {
    {1, u"单击", u"Click", {0x01, 0x00, 0xF0, 0x00}},
    {2, u"菜单", u"Menu", {0x01, 0x00, 0xF1, 0x00}},
    {4, u"中键", u"Middle", {0x01, 0x00, 0xF2, 0x00}},
    {8, u"前进", u"Forward", {0x01, 0x00, 0xF4, 0x00}},
    {11, u"滚轮前滚", u"Scroll up", {0x04, 0x00, 0x01, 0x00}},
    {16, u"后退", u"Back", {0x01, 0x00, 0xF3, 0x00}},
    {22, u"滚轮后滚", u"Scroll down", {0x04, 0x00, 0x02, 0x00}},
    {32, u"播放/暂停", u"Play/Pause", {0x03, 0x00, 0xCD, 0x00}},
    {33, u"停止", u"Stop", {0x03, 0x00, 0xB7, 0x00}},
    {34, u"上一曲", u"Previous", {0x03, 0x00, 0xB6, 0x00}},
    {35, u"下一曲", u"Next", {0x03, 0x00, 0xB5, 0x00}},
    {37, u"音量+", u"Volume up", {0x03, 0x00, 0xE9, 0x00}},
    {38, u"音量-", u"Volume down", {0x03, 0x00, 0xEA, 0x00}},
    {39, u"静音", u"Mute", {0x03, 0x00, 0xE2, 0x00}},
    {40, u"音乐", u"Music", {0x03, 0x00, 0x83, 0x01}},
    {81, u"关闭窗口", u"Close window", {0x00, 0x04, 0x3D, 0x00}},
    {82, u"锁定电脑", u"Lock PC", {0x00, 0x08, 0x0F, 0x00}},
    {84, u"运行", u"Run", {0x00, 0x08, 0x15, 0x00}},
    {85, u"显示桌面", u"Show desktop", {0x00, 0x08, 0x07, 0x00}},
    {121, u"禁用按键", u"Disable key", {0x07, 0x00, 0x00, 0x00}},
    {123, u"进入传统界面", u"Enter classic desktop", {0x00, 0x08, 0x10, 0x00}},
    {124, u"切换应用程序", u"Switch applications", {0x00, 0x04, 0x2B, 0x00}},
    {125, u"搜索", u"Search", {0x00, 0x08, 0x14, 0x00}},
    {126, u"放大", u"sreen zoom in", {0x00, 0x08, 0x57, 0x00}},
    {127, u"缩小", u"sreen zoom out", {0x00, 0x08, 0x56, 0x00}},
    {142, u"狙击键", u"SNIPE", {0x07, 0x00, 0x04, 0x08}},
    {143, u"火力", u"FIRE", {0x0A, 0xF0, 0x18, 0x02}},
};

class FunctionRow : public ::testing::TestWithParam<Row> {};

TEST_P(FunctionRow, NamesAndWireBytes) {
  const Row& row = GetParam();
  const FunctionInfo* f = FindFunction(row.type);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(FunctionName(row.type, true), row.chinese);
  EXPECT_EQ(FunctionName(row.type, false), row.english);
  // The key matrix carries the code little-endian: byte 0 first on the wire.
  KeyMatrix matrix;
  matrix.Set(0, f->device_code);
  EXPECT_TRUE(std::equal(row.wire.begin(), row.wire.end(), matrix.bytes.begin()));
  ButtonAssignment assignment{};
  assignment.function_type = row.type;
  EXPECT_EQ(FixedButtonCode(assignment), f->device_code);
}

INSTANTIATE_TEST_SUITE_P(EveryType, FunctionRow, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& row) {
                           return "Type" + std::to_string(row.param.type);
                         });

TEST(FunctionTable, HoldsTheseRowsAndNoOthers) {
  ASSERT_EQ(FunctionTable().size(), std::size(kRows));
  for (std::size_t i = 0; i < std::size(kRows); ++i) EXPECT_EQ(FunctionTable()[i].type, kRows[i].type);
  std::set<std::int32_t> listed;
  for (const Row& row : kRows) listed.insert(row.type);
  for (std::int32_t type = -1; type <= 300; ++type) {
    if (listed.count(type)) continue;
    EXPECT_EQ(FindFunction(type), nullptr) << type;
    EXPECT_TRUE(FunctionName(type, false).empty()) << type;
  }
}

// The default labels are the settings' own factory pairs; they must be the
// names of the factory functions, in both languages.
TEST(FunctionTable, FactoryLabelsAreTheNamesOfTheFactoryFunctions) {
  for (std::size_t b = 0; b < kFactoryFunctionTypes.size(); ++b) {
    EXPECT_EQ(FunctionName(kFactoryFunctionTypes[b], true), kFactoryLabelPairs[b].chinese) << b;
    EXPECT_EQ(FunctionName(kFactoryFunctionTypes[b], false), kFactoryLabelPairs[b].english) << b;
  }
}

}  // namespace
}  // namespace zk40
