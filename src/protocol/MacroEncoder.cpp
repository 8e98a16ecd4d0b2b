#include "protocol/MacroEncoder.h"

#include <algorithm>

namespace zk40 {
namespace {

struct KeyPair {
  std::uint8_t virtual_key;
  std::uint8_t device_code;
};

// Searched in order, first match wins: the pairs for virtual-key code 0 and the
// second 0x0D are never reached by a real key and stay so that the table reads
// as the mouse's usage list.
constexpr KeyPair kKeyCodes[] = {
    {0x00, 0x00}, {0x00, 0x01}, {0x00, 0x02}, {0x00, 0x03},
    {0x41, 0x04}, {0x42, 0x05}, {0x43, 0x06}, {0x44, 0x07}, {0x45, 0x08}, {0x46, 0x09}, {0x47, 0x0A},
    {0x48, 0x0B}, {0x49, 0x0C}, {0x4A, 0x0D}, {0x4B, 0x0E}, {0x4C, 0x0F}, {0x4D, 0x10}, {0x4E, 0x11},
    {0x4F, 0x12}, {0x50, 0x13}, {0x51, 0x14}, {0x52, 0x15}, {0x53, 0x16}, {0x54, 0x17}, {0x55, 0x18},
    {0x56, 0x19}, {0x57, 0x1A}, {0x58, 0x1B}, {0x59, 0x1C}, {0x5A, 0x1D},
    {0x31, 0x1E}, {0x32, 0x1F}, {0x33, 0x20}, {0x34, 0x21}, {0x35, 0x22}, {0x36, 0x23}, {0x37, 0x24},
    {0x38, 0x25}, {0x39, 0x26}, {0x30, 0x27},
    {0x0D, 0x28}, {0x1B, 0x29}, {0x08, 0x2A}, {0x09, 0x2B}, {0x20, 0x2C},
    {0xBD, 0x2D}, {0xBB, 0x2E}, {0xDB, 0x2F}, {0xDD, 0x30}, {0xDC, 0x31},
    {0x00, 0x32},
    {0xBA, 0x33}, {0xDE, 0x34}, {0xC0, 0x35}, {0xBC, 0x36}, {0xBE, 0x37}, {0xBF, 0x38},
    {0x14, 0x39},
    {0x70, 0x3A}, {0x71, 0x3B}, {0x72, 0x3C}, {0x73, 0x3D}, {0x74, 0x3E}, {0x75, 0x3F}, {0x76, 0x40},
    {0x77, 0x41}, {0x78, 0x42}, {0x79, 0x43}, {0x7A, 0x44}, {0x7B, 0x45},
    {0x2C, 0x46}, {0x91, 0x47}, {0x13, 0x48},
    {0x2D, 0x49}, {0x24, 0x4A}, {0x21, 0x4B}, {0x2E, 0x4C}, {0x23, 0x4D}, {0x22, 0x4E},
    {0x27, 0x4F}, {0x25, 0x50}, {0x28, 0x51}, {0x26, 0x52},
    {0x90, 0x53}, {0x6F, 0x54}, {0x6A, 0x55}, {0x6D, 0x56}, {0x6B, 0x57},
    {0x0D, 0x58},
    {0x61, 0x59}, {0x62, 0x5A}, {0x63, 0x5B}, {0x64, 0x5C}, {0x65, 0x5D}, {0x66, 0x5E}, {0x67, 0x5F},
    {0x68, 0x60}, {0x69, 0x61},
    {0x60, 0x62}, {0x6E, 0x63},
    {0x00, 0x64},
    {0x5D, 0x65},
    {0xA2, 0xE0}, {0xA0, 0xE1}, {0xA4, 0xE2}, {0x5B, 0xE3},
    {0xA3, 0xE4}, {0xA1, 0xE5}, {0xA5, 0xE6}, {0x5C, 0xE7},
    {0x01, 0xF0}, {0x02, 0xF1}, {0x04, 0xF2},
};
static_assert(std::size(kKeyCodes) == 113);

constexpr std::uint32_t kShortDelayMaxMs = 127 * 10;
constexpr std::uint32_t kStepsMax = 0xFFFF;

// The units are written through this cursor, which never passes the last
// usable unit.
class BlockWriter {
 public:
  explicit BlockWriter(MacroBlock& block) : block_(block) {}
  int next() const { return next_; }
  bool Fits(int units) const { return next_ + units <= kMacroMaxUnits; }
  void Put(std::uint8_t b0, std::uint8_t b1) {
    block_.bytes[static_cast<std::size_t>(2 * next_)] = b0;
    block_.bytes[static_cast<std::size_t>(2 * next_ + 1)] = b1;
    ++next_;
  }
  // A wait of steps x (20, 50 or 100 ms, by form 1, 2 or 3).
  void PutDelay(std::uint8_t form, std::uint32_t steps) {
    Put(0x00, form);
    Put(static_cast<std::uint8_t>(steps >> 8), static_cast<std::uint8_t>(steps));
  }
  std::uint8_t& LastUnitByte0() { return block_.bytes[static_cast<std::size_t>(2 * (next_ - 1))]; }

 private:
  MacroBlock& block_;
  int next_ = 0;
};

enum class Last { none, key, other };

}  // namespace

std::uint8_t DeviceKeyCode(std::uint32_t virtualKey) {
  for (const KeyPair& pair : kKeyCodes) {
    if (pair.virtual_key == virtualKey) return pair.device_code;
  }
  return 0;
}

MacroBlock EncodeMacro(const MacroRecord& record) {
  MacroBlock block;
  BlockWriter out(block);
  out.Put(static_cast<std::uint8_t>(record.loop_count >> 8), static_cast<std::uint8_t>(record.loop_count));

  Last last = Last::none;
  const std::size_t count = MacroEventCount(record);
  std::size_t i = 0;
  for (; i < count; ++i) {
    const std::uint32_t event = record.events[i];
    const std::uint32_t kind = event >> 24;
    const std::uint32_t value = event & 0xFFFFFF;

    if (kind == kEventKeyPress || kind == kEventKeyRelease) {
      if (!out.Fits(1)) break;
      out.Put(kind == kEventKeyPress ? 0x01 : 0x81, DeviceKeyCode(value));
      last = Last::key;
      continue;
    }
    if (kind != kEventDelay) {
      if (!out.Fits(1)) break;
      out.Put(0x00, 0x00);
      last = Last::other;
      continue;
    }

    // A delay.
    if (i == 0) {
      if (!out.Fits(2)) break;
      out.PutDelay(3, std::min(value / 100, kStepsMax));
    } else if (value <= kShortDelayMaxMs) {
      const std::uint32_t steps = value / 10;
      // Folded only into the unit of the key event it follows, and only while
      // the step count stays within the unit's 7 bits.
      std::uint8_t* keyUnit = last == Last::key ? &out.LastUnitByte0() : nullptr;
      if (keyUnit && (*keyUnit & 0x7F) + steps <= 0x7F) {
        *keyUnit = static_cast<std::uint8_t>(*keyUnit + steps);
      } else {
        if (!out.Fits(2)) break;
        out.PutDelay(1, value / 20);
      }
    } else if (value <= kStepsMax * 20) {
      if (!out.Fits(2)) break;
      out.PutDelay(1, value / 20);
    } else if (value <= kStepsMax * 50) {
      if (!out.Fits(2)) break;
      out.PutDelay(2, value / 50);
    } else if (value <= kStepsMax * 100) {
      if (!out.Fits(2)) break;
      out.PutDelay(3, value / 100);
    } else {
      if (!out.Fits(1)) break;
      out.Put(0x00, 0x00);
    }
    last = Last::other;
  }
  block.units = out.next();
  block.events_encoded = static_cast<int>(i);
  return block;
}

}  // namespace zk40
