#pragma once
// A stored macro as the mouse plays it: a 512-byte block of 2-byte units.
// Unit 0 is the loop count (big-endian); then, per event:
//   01 k / 81 k   press / release of device key code k; the low 7 bits of the
//                 first byte also count the 10 ms steps the mouse waits after it
//   00 01 hi lo   wait (hi lo) x 20 ms      (two units)
//   00 02 hi lo   wait (hi lo) x 50 ms
//   00 03 hi lo   wait (hi lo) x 100 ms
//   00 00         nothing (an event with no encoding)

#include <array>
#include <cstdint>

#include "protocol/DeviceCommands.h"
#include "settings/MacroRecord.h"

namespace zk40 {

inline constexpr int kMacroBlockUnits = static_cast<int>(kMacroBlockSize / 2);
// The key matrix names a macro's length in 8 bits, so at most 255 units
// (header included) are used.
inline constexpr int kMacroMaxUnits = 255;

struct MacroBlock {
  std::array<std::uint8_t, kMacroBlockSize> bytes{};
  int units = 0;  // units used, header included
  // The events that fit; the mouse never sees the ones after them.
  int events_encoded = 0;
};

MacroBlock EncodeMacro(const MacroRecord& record);

// The device key code (HID keyboard usage; 0xF0..0xF2 mouse buttons) of a
// virtual-key code; 0 for keys the mouse does not know.
std::uint8_t DeviceKeyCode(std::uint32_t virtualKey);

}  // namespace zk40
