#pragma once
// What the upload makes of a profile's values: the key-matrix codes of the
// buttons, the DPI block and stage selector, and the lighting bytes.

#include <array>
#include <cstdint>
#include <optional>

#include "protocol/DeviceCommands.h"
#include "protocol/FunctionTable.h"
#include "settings/ProfileLayout.h"

namespace zk40 {

inline constexpr int kKeyMatrixSlots = 16;
// The key-matrix slot of each button index.
inline constexpr std::array<int, kButtonCount> kButtonMatrixSlots = {0, 2, 1, 5, 4, 14, 15};
// Slot 3 is always programmed with this code.
inline constexpr int kFixedSlot = 3;
inline constexpr std::uint32_t kFixedSlotCode = DeviceCode(0x07, 0x00, 0x03, 0x00);

// 64 bytes, one little-endian code per slot.
struct KeyMatrix {
  std::array<std::uint8_t, kKeyMatrixSize> bytes{};
  void Set(int slot, std::uint32_t code);
  std::uint32_t Get(int slot) const;
};

// The code a button has when it keeps its native function (a host action
// leaves it so and catches its event on the PC).
std::uint32_t ButtonOwnCode(int button);

// The code of a function that needs nothing but the assignment: the fixed
// functions and key combinations. Nothing for macros, host actions and
// unknown types.
std::optional<std::uint32_t> FixedButtonCode(const ButtonAssignment& assignment);

// A macro button: the macro's slot and its length in units (low 8 bits).
std::uint32_t MacroButtonCode(int slot, int units);

inline constexpr std::uint8_t kNoDpiStage = 0x80;
inline constexpr int kUploadedDpiStages = 5;

std::uint8_t DpiCode(std::int32_t value);

struct DpiTable {
  std::array<std::uint8_t, kDpiBlockSize> block{};
  int valid_stages = 0;
  // The stage selector: at most 3 stages are selectable.
  int Selector() const { return valid_stages < 3 ? valid_stages : 3; }
};

// The codes of the first five stages, three empty ones, and the same again.
DpiTable BuildDpiTable(const std::int32_t (&stages)[kDpiSlots]);

struct LedEffectBytes {
  int effect;
  int level;
  int variant;
};

LedEffectBytes LedEffectValues(const ProfileRecord& record);
// 0x00BBGGRR.
std::uint32_t LedColour(const ProfileRecord& record);

}  // namespace zk40
