#pragma once
// The hooks' number for a mouse event: the window message, plus the extra
// button in the high word for X buttons, and 522 << 8 plus the direction for
// the wheel. The intercept list, message 2027 and message 1034 carry them.

#include <array>
#include <cstdint>

namespace zk40 {

inline constexpr std::uint32_t kMouseMove = 512;
inline constexpr std::uint32_t kLeftDown = 513;
inline constexpr std::uint32_t kRightDown = 516;
inline constexpr std::uint32_t kMiddleDown = 519;
inline constexpr std::uint32_t kWheelMessage = 522;
inline constexpr std::uint32_t kXButtonDown = 523;
inline constexpr std::uint32_t kXButtonUp = 524;
inline constexpr std::uint32_t kBackDown = kXButtonDown + 0x10000;     // X1
inline constexpr std::uint32_t kForwardDown = kXButtonDown + 0x20000;  // X2
inline constexpr std::uint32_t kWheelBackward = kWheelMessage << 8;
inline constexpr std::uint32_t kWheelForward = kWheelBackward + 1;

// By button index: left, middle, right, forward (X2), back (X1), wheel forward, wheel backward.
inline constexpr std::array<std::uint32_t, 7> kButtonEventCodes = {
    kLeftDown, kMiddleDown, kRightDown, kForwardDown, kBackDown, kWheelForward, kWheelBackward};

}  // namespace zk40
