#pragma once
// The function types a button can have, their display names and their
// 32-bit device codes (byte 0 of the code is the code class).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zk40 {

// The function types without a fixed name and code: what the button does
// comes from its assignment.
inline constexpr std::int32_t kKeyComboType = 5;
inline constexpr std::int32_t kMacroType = 6;
inline constexpr std::int32_t kHostActionType = 19;

struct FunctionInfo {
  std::int32_t type;
  std::u16string_view chinese;
  std::u16string_view english;
  std::uint32_t device_code;  // the four wire bytes, byte 0 in the low bits
};

// The types with a fixed name and code, in type order.
std::span<const FunctionInfo> FunctionTable();

// The entry of a type with a fixed name and code, if it has one.
const FunctionInfo* FindFunction(std::int32_t type);

// The name of a type in the UI language; empty for types without a fixed name
// (key combination, macro, host action and every unknown number).
std::u16string_view FunctionName(std::int32_t type, bool uiIsChinese);

// Four wire bytes, byte 0 first, as one little-endian code.
constexpr std::uint32_t DeviceCode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  return std::uint32_t{b0} | std::uint32_t{b1} << 8 | std::uint32_t{b2} << 16 | std::uint32_t{b3} << 24;
}

}  // namespace zk40
