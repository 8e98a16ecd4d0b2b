#include <gtest/gtest.h>

#include <vector>

#include "protocol/MacroEncoder.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

using test::Delay;
using test::Macro;
using test::Press;
using test::Release;
using Bytes = std::vector<std::uint8_t>;

// The used units of a block, header included, and a check that the rest is zero.
Bytes Units(const MacroBlock& block) {
  for (std::size_t i = static_cast<std::size_t>(2 * block.units); i < block.bytes.size(); ++i) {
    EXPECT_EQ(block.bytes[i], 0) << "byte " << i << " past the used units";
  }
  return Bytes(block.bytes.begin(), block.bytes.begin() + 2 * block.units);
}

Bytes Encoded(std::initializer_list<std::uint32_t> events, std::uint32_t loop = 1) {
  return Units(EncodeMacro(Macro(loop, events)));
}

TEST(MacroEncoder, KeysAndTheirFoldedShortDelays) {
  EXPECT_EQ(Encoded({Press('A'), Delay(50), Release('A')}), (Bytes{0x00, 0x01, 0x06, 0x04, 0x81, 0x04}));
  EXPECT_EQ(EncodeMacro(Macro(1, {Press('A'), Delay(50), Release('A')})).units, 3);
  EXPECT_EQ(Encoded({Press(0x0D)}), (Bytes{0x00, 0x01, 0x01, 0x28}));   // never 01 58
  EXPECT_EQ(Encoded({Press(0x10)}), (Bytes{0x00, 0x01, 0x01, 0x00}));   // generic Shift: unknown key
  EXPECT_EQ(Encoded({Release(0x04), Delay(9)}), (Bytes{0x00, 0x01, 0x81, 0xF2}));  // under 10 ms: no step
  EXPECT_EQ(Encoded({Release('Z'), Delay(1260)}), (Bytes{0x00, 0x01, 0xFF, 0x1D}));
  EXPECT_EQ(Encoded({Press('1')}, 0xFFFE), (Bytes{0xFF, 0xFE, 0x01, 0x1E}));
}

TEST(MacroEncoder, LongDelaysTakeTheFinestFormThatHoldsThem) {
  auto delay = [](std::uint32_t ms) {
    Bytes b = Encoded({Press('A'), Delay(ms)});
    return Bytes(b.begin() + 4, b.end());
  };
  EXPECT_EQ(delay(1300), (Bytes{0x00, 0x01, 0x00, 0x41}));
  EXPECT_EQ(delay(1310700), (Bytes{0x00, 0x01, 0xFF, 0xFF}));
  EXPECT_EQ(delay(1310701), (Bytes{0x00, 0x02, 0x66, 0x66}));
  EXPECT_EQ(delay(1400000), (Bytes{0x00, 0x02, 0x6D, 0x60}));
  EXPECT_EQ(delay(3276750), (Bytes{0x00, 0x02, 0xFF, 0xFF}));
  EXPECT_EQ(delay(3276751), (Bytes{0x00, 0x03, 0x7F, 0xFF}));
  EXPECT_EQ(delay(6553500), (Bytes{0x00, 0x03, 0xFF, 0xFF}));
  EXPECT_EQ(delay(6553501), (Bytes{0x00, 0x00}));  // too long for any form: an empty unit
}

TEST(MacroEncoder, OtherEventKindsLeaveAnEmptyUnit) {
  EXPECT_EQ(Encoded({0x12000041, Press('A')}), (Bytes{0x00, 0x01, 0x00, 0x00, 0x01, 0x04}));
}

// Regression: a leading delay was coded from its low 16 bits (70 s became 4.4 s).
TEST(MacroEncoder, LeadingDelayKeepsItsWholeValue) {
  EXPECT_EQ(Encoded({Delay(70000)}), (Bytes{0x00, 0x01, 0x00, 0x03, 0x02, 0xBC}));
  EXPECT_EQ(Encoded({Delay(50)}), (Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 0x00}));
  EXPECT_EQ(Encoded({Delay(0xFFFFFF)}), (Bytes{0x00, 0x01, 0x00, 0x03, 0xFF, 0xFF}));  // capped
}

// Regression: a short delay with no key unit before it was added to whatever
// unit came last (another delay's value, an empty unit).
TEST(MacroEncoder, ShortDelayThatFollowsNoKeyEventIsWrittenExplicitly) {
  EXPECT_EQ(Encoded({Press('A'), Delay(2000), Delay(50)}),
            (Bytes{0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x64, 0x00, 0x01, 0x00, 0x02}));
  EXPECT_EQ(Encoded({Press('A'), Delay(500), Delay(500)}),
            (Bytes{0x00, 0x01, 0x33, 0x04, 0x00, 0x01, 0x00, 0x19}));
  EXPECT_EQ(Encoded({0x12000000, Delay(100)}), (Bytes{0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x05}));
}

// Regression: 127 steps folded into a press unit turned it into a release.
TEST(MacroEncoder, FoldNeverCarriesIntoTheReleaseBit) {
  EXPECT_EQ(Encoded({Press('A'), Delay(1270)}), (Bytes{0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x3F}));
  EXPECT_EQ(Encoded({Press('A'), Delay(1269)}), (Bytes{0x00, 0x01, 0x7F, 0x04}));
  EXPECT_EQ(Encoded({Release('A'), Delay(1270)}), (Bytes{0x00, 0x01, 0x81, 0x04, 0x00, 0x01, 0x00, 0x3F}));
}

// Regression: a completely full block has 256 units, whose count reads as 0
// (an empty macro) in the key matrix's 8-bit field.
TEST(MacroEncoder, UnitCountAlwaysFitsEightBits) {
  MacroRecord many = Macro(1, {});
  for (std::size_t i = 0; i < 600; ++i) many.events[i] = Press('A');
  many.event_count = 600;
  const MacroBlock full = EncodeMacro(many);
  EXPECT_EQ(full.units, 255);
  EXPECT_EQ(full.bytes[508], 0x01);
  EXPECT_EQ(full.bytes[510], 0x00);  // unit 255 stays unused

  // A two-unit delay that no longer fits ends the macro, even if a key would.
  MacroRecord tail = Macro(1, {});
  for (std::size_t i = 0; i < 253; ++i) tail.events[i] = Press('A');
  tail.events[253] = Delay(2000);
  tail.events[254] = Press('B');
  tail.event_count = 255;
  EXPECT_EQ(EncodeMacro(tail).units, 254);
}

}  // namespace
}  // namespace zk40
