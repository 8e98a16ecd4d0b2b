// The active keyboard layout as the key names' fallback, under Wine's US
// layout: it must agree with the portable table on every printable key.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/KeyboardLayout_win32.h"
#include "protocol/KeyNames.h"

namespace zk40 {
namespace {

TEST(Win32KeyboardLayout, AgreesWithThePortableTableOnPrintableKeys) {
  const Win32KeyboardLayout system;
  const AsciiKeyboardLayout portable;
  int compared = 0;
  for (std::uint32_t vk = 0; vk < 256; ++vk) {
    const std::uint8_t expected = portable.TypedCharacter(vk);
    if (expected == 0) continue;
    EXPECT_EQ(system.TypedCharacter(vk), expected) << "virtual key " << vk;
    ++compared;
  }
  EXPECT_GT(compared, 40);
}

TEST(Win32KeyboardLayout, KeysThatTypeNothingGiveZero) {
  const Win32KeyboardLayout system;
  EXPECT_EQ(system.TypedCharacter(VK_SHIFT), 0);
  EXPECT_EQ(system.TypedCharacter(VK_F5), 0);
}

TEST(Win32KeyboardLayout, NamesLettersInUpperCase) {
  const Win32KeyboardLayout system;
  EXPECT_EQ(VkName('Q', system), u"Q");
  EXPECT_EQ(VkName(VK_OEM_1, system), u";");
}

TEST(Win32KeyboardLayout, IsTheSystemLayoutOfTheWindowsBuild) {
  EXPECT_NE(dynamic_cast<const Win32KeyboardLayout*>(&SystemKeyboardLayout()), nullptr);
}

}  // namespace
}  // namespace zk40
