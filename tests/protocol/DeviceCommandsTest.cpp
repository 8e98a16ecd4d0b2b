// The command reports as bytes 1..5, built without any link: each command
// once with the values that show where every parameter goes.
#include <gtest/gtest.h>

#include <vector>

#include "protocol/DeviceCommands.h"

namespace zk40 {
namespace {

struct Case {
  const char* name;
  CommandBytes bytes;
  CommandBytes expected;
};

TEST(CommandBytes, EveryCommandAsSent) {
  const Case cases[] = {
      {"version query", VersionQueryCommand(), {0x80, 0, 0, 0, 0}},
      {"report interval 8", ReportIntervalCommand(8), {0x01, 0x08, 0, 0, 0}},
      {"DPI selector 3", DpiSelectCommand(3), {0x0B, 0x01, 0x03, 0, 0}},
      {"DPI selector, low 8 bits", DpiSelectCommand(0x105), {0x0B, 0x01, 0x05, 0, 0}},
      {"colour green, red, blue", LedColorCommand(0x00332211), {0x0C, 0x01, 0x22, 0x11, 0x33}},
      {"colour ignores the top byte", LedColorCommand(0xFF000000), {0x0C, 0x01, 0, 0, 0}},
      {"effect, level, variant", LedEffectCommand(2, 9, 1), {0x0D, 0x01, 0x02, 0x09, 0x01}},
      {"touch sensing on", TouchSensingCommand(1, 4), {0x03, 0xA0, 0, 0, 0}},
      {"touch sensing off", TouchSensingCommand(0, 4), {0x03, 0xB0, 0, 0, 0}},
      {"touch sensing while lighting is off", TouchSensingCommand(1, 5), {0x03, 0xB0, 0, 0, 0}},
      {"touch sensing with a value other than 1", TouchSensingCommand(2, 1), {0x03, 0xB0, 0, 0, 0}},
      {"DPI table, 16 bytes", DpiTableCommand(), {0x11, 0x01, 0x07, 0x10, 0x00}},
      {"key matrix, 64 bytes", KeyMatrixCommand(), {0x12, 0x01, 0x00, 0x40, 0x00}},
      {"macro into slot 7, 512 bytes", MacroCommand(7), {0x13, 0x01, 0x07, 0x00, 0x02}},
      {"macro into slot 0", MacroCommand(0), {0x13, 0x01, 0x00, 0x00, 0x02}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.bytes, c.expected) << c.name;
}

TEST(CommandBytes, ReportIntervalsOtherThanTheOfferedOnesAreSentAsTwo) {
  for (int offered : {1, 2, 4, 8}) EXPECT_EQ(ReportIntervalCommand(offered)[1], offered);
  for (int other : {-1, 0, 3, 5, 7, 9, 125, 1000, 0x101}) EXPECT_EQ(ReportIntervalCommand(other)[1], 2) << other;
}

TEST(CommandBytes, FirmwareReplyIsTensAndUnitsAfterTheEcho) {
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{5, 0x80, 0x01, 0x07}), 17);
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{5, 0x80, 0xFF, 0xFF, 0x99}), 255 * 10 + 255);
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{5, 0x80, 0x00, 0x00}), 0);  // callers read 0 as none
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{5, 0x81, 0x01, 0x07}), std::nullopt);
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{5, 0x80, 0x01}), std::nullopt);
  EXPECT_EQ(ParseFirmwareVersion(std::vector<std::uint8_t>{}), std::nullopt);
}

}  // namespace
}  // namespace zk40
