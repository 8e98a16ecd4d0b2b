#include <gtest/gtest.h>

#include "protocol/ButtonCodes.h"
#include "protocol/KeyNames.h"

namespace zk40 {
namespace {

TEST(KeyNames, MacroStepNamesUseTheLowEightBits) {
  EXPECT_EQ(MacroKeyName(0x1001), u"Left Button");
  EXPECT_EQ(MacroKeyName(0x1002), u"Right Button");
  EXPECT_EQ(MacroKeyName(0x1003), u"");
  EXPECT_EQ(MacroKeyName(0x1004), u"Middle Button");
  EXPECT_EQ(MacroKeyName(0x4B), u"K");
  EXPECT_EQ(MacroKeyName(0x2C), u"");  // Print Screen has no name; "Print" is 0x2A
  EXPECT_EQ(MacroKeyName(0x2A), u"Print");
  EXPECT_EQ(MacroKeyName(0x6C), u"NUM Enter");
  EXPECT_EQ(MacroKeyName(0xC0), u"~");
}

const AsciiKeyboardLayout kUs;

// A layout on which Y and Z trade places, as on a German keyboard.
struct GermanLetters final : KeyboardLayout {
  std::uint8_t TypedCharacter(std::uint32_t vk) const override {
    return vk == 'Y' ? 'z' : vk == 'Z' ? 'y' : kUs.TypedCharacter(vk);
  }
};

TEST(KeyNames, VirtualKeyNamesAndTheTypedCharacterFallback) {
  EXPECT_EQ(VkName(0x6C, kUs), u"\\");
  EXPECT_EQ(VkName(0x2B, kUs), u"Enter");
  EXPECT_EQ(VkName(0x2C, kUs), u"PrtSc SysRq");
  EXPECT_EQ(VkName(0x00, kUs), u"");
  EXPECT_EQ(VkName(0xFF, kUs), u"");
  EXPECT_EQ(VkName('Q', kUs), u"Q");  // typed as "q", shown in upper case
  EXPECT_EQ(VkName('7', kUs), u"7");
  EXPECT_EQ(VkName(0xBA, kUs), u";");
  EXPECT_EQ(VkName(0x07, kUs), u"");  // types nothing

  struct Layout final : KeyboardLayout {
    std::uint8_t TypedCharacter(std::uint32_t) const override { return 0xE9; }
  } accented;
  EXPECT_EQ(VkName(0xDE, accented), u"\u00e9");  // only a..z are raised to upper case
}

TEST(KeyNames, UsageTableBothWays) {
  EXPECT_EQ(UsageToVk(0x32), 0u);
  EXPECT_EQ(UsageToVk(0x64), 0u);
  EXPECT_EQ(UsageToVk(0x58), 0x0Du);
  EXPECT_EQ(VkToUsage(0x0D), 0x28u);
  EXPECT_EQ(VkToUsage(0x10), 0u);
  EXPECT_EQ(UsageToVk(0x104), 0u);
  for (std::uint32_t usage = 1; usage < 0x100; ++usage) {
    const std::uint32_t vk = UsageToVk(usage);
    if (vk != 0 && usage != 0x58) {
      EXPECT_EQ(VkToUsage(vk), usage) << usage;
    }
  }
}

std::uint32_t Combo(std::uint8_t modifiers, std::uint8_t usage) { return DeviceCode(0x00, modifiers, usage, 0x00); }

TEST(KeyNames, ComboTextNamesModifiersInAFixedOrder) {
  EXPECT_EQ(ComboText(Combo(0x03, 0x04), kUs), u"Shift + Ctrl + A");
  EXPECT_EQ(ComboText(Combo(0x0F, 0x04), kUs), u"Shift + Ctrl + Alt + Win + A");
  EXPECT_EQ(ComboText(Combo(0x00, 0x3A), kUs), u"F1");
  EXPECT_EQ(ComboText(Combo(0x18, 0x3A), kUs), u"Win + F1");
  EXPECT_EQ(ComboText(Combo(0x10, 0x3A), kUs), u"M");  // only high bits: the modifier byte is named as a key
  // The Windows shortcuts of the function table read as key combinations.
  EXPECT_EQ(ComboText(FindFunction(81)->device_code, kUs), u"Alt + F4");
  EXPECT_EQ(ComboText(FindFunction(126)->device_code, kUs), u"Win + (+)");
}

// Keys without a fixed name are named by what they type on the layout in use,
// which is never quietly the US one: there is no way to ask without a layout.
template <typename Code>
concept NamedWithoutALayout = requires(Code code) { VkName(code); } || requires(Code code) { ComboText(code); };
static_assert(!NamedWithoutALayout<std::uint32_t>);

TEST(KeyNames, KeysAreNamedAsTheLayoutInUseTypesThem) {
  const GermanLetters german;
  EXPECT_EQ(VkName('Y', german), u"Z");
  EXPECT_EQ(ComboText(Combo(0x01, 0x1C), german), u"Ctrl + Z");  // usage 0x1C is the key Windows calls Y
  EXPECT_EQ(ComboText(Combo(0x01, 0x1C), kUs), u"Ctrl + Y");
}

}  // namespace
}  // namespace zk40
