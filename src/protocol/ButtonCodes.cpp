#include "protocol/ButtonCodes.h"

#include "settings/SettingsTables.h"

namespace zk40 {

void KeyMatrix::Set(int slot, std::uint32_t code) {
  for (int b = 0; b < 4; ++b) bytes[static_cast<std::size_t>(4 * slot + b)] = static_cast<std::uint8_t>(code >> (8 * b));
}

std::uint32_t KeyMatrix::Get(int slot) const {
  std::uint32_t code = 0;
  for (int b = 0; b < 4; ++b) code |= std::uint32_t{bytes[static_cast<std::size_t>(4 * slot + b)]} << (8 * b);
  return code;
}

std::uint32_t ButtonOwnCode(int button) {
  // A button's native function is its factory function.
  return FindFunction(kFactoryFunctionTypes[static_cast<std::size_t>(button)])->device_code;
}

std::optional<std::uint32_t> FixedButtonCode(const ButtonAssignment& assignment) {
  if (assignment.function_type == kKeyComboType) return assignment.key_combo_code;
  if (const FunctionInfo* f = FindFunction(assignment.function_type)) return f->device_code;
  return std::nullopt;
}

std::uint32_t MacroButtonCode(int slot, int units) {
  return DeviceCode(0x09, 0x00, static_cast<std::uint8_t>(slot), static_cast<std::uint8_t>(units & 0xFF));
}

std::uint8_t DpiCode(std::int32_t value) {
  if (value >= 250 && value <= 3500 && value % 250 == 0) return static_cast<std::uint8_t>(value / 250);
  switch (value) {
    case 4000: return 40;
    case 5000: return 42;
    case 6000: return 44;
    case 7000: return 46;
    default: return kNoDpiStage;
  }
}

DpiTable BuildDpiTable(const std::int32_t (&stages)[kDpiSlots]) {
  DpiTable table;
  table.block.fill(kNoDpiStage);
  for (int s = 0; s < kUploadedDpiStages; ++s) {
    const std::uint8_t code = DpiCode(stages[s]);
    if (code != kNoDpiStage) ++table.valid_stages;
    table.block[static_cast<std::size_t>(s)] = code;
    table.block[static_cast<std::size_t>(s + 8)] = code;
  }
  return table;
}

LedEffectBytes LedEffectValues(const ProfileRecord& record) {
  switch (record.led_effect) {
    case 1: return {1, record.led_effect1_level, 1};
    case 2: return {2, record.led_effect2_level, 1};
    case 3: return {3, 2, 3};
    case 4: return {4, 10, 2};
    default: return {0, 0, 0};
  }
}

std::uint32_t LedColour(const ProfileRecord& record) {
  return DeviceCode(record.led_color[0], record.led_color[1], record.led_color[2], 0);
}

}  // namespace zk40
