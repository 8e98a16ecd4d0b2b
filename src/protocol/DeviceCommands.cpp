#include "protocol/DeviceCommands.h"

namespace zk40 {
namespace {

template <typename T>
constexpr std::uint8_t Byte(T value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

// Commands numbered 0x01xx: low byte first, then 0x01.
constexpr CommandBytes Command01(std::uint8_t low, std::uint8_t p3 = 0, std::uint8_t p4 = 0, std::uint8_t p5 = 0) {
  return {low, 0x01, p3, p4, p5};
}

}  // namespace

CommandBytes VersionQueryCommand() { return {0x80, 0, 0, 0, 0}; }

CommandBytes ReportIntervalCommand(int interval) {
  const bool offered = interval == 1 || interval == 2 || interval == 4 || interval == 8;
  return {0x01, Byte(offered ? interval : 2), 0, 0, 0};
}

CommandBytes DpiSelectCommand(int stages) { return Command01(0x0B, Byte(stages)); }

CommandBytes LedColorCommand(std::uint32_t colour) {
  return Command01(0x0C, Byte(colour >> 8), Byte(colour), Byte(colour >> 16));
}

CommandBytes LedEffectCommand(int effect, int level, int variant) {
  return Command01(0x0D, Byte(effect), Byte(level), Byte(variant));
}

CommandBytes TouchSensingCommand(int on, int ledEffect) {
  const bool sensing = on == 1 && ledEffect != 5;
  return {0x03, Byte(sensing ? 0xA0 : 0xB0), 0, 0, 0};
}

CommandBytes DpiTableCommand() { return Command01(0x11, 0x07, Byte(kDpiBlockSize), 0x00); }

CommandBytes KeyMatrixCommand() { return Command01(0x12, 0x00, Byte(kKeyMatrixSize), 0x00); }

CommandBytes MacroCommand(int slot) {
  return Command01(0x13, Byte(slot), Byte(kMacroBlockSize), Byte(kMacroBlockSize >> 8));
}

std::optional<int> ParseFirmwareVersion(std::span<const std::uint8_t> reply) {
  if (reply.size() < 4 || reply[1] != 0x80) return std::nullopt;
  return reply[2] * 10 + reply[3];
}

}  // namespace zk40
