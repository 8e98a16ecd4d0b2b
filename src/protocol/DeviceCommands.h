#pragma once
// The command reports of the mouse, built apart from sending them: each
// function gives bytes 1..5 of a feature report (byte 0 is the report id the
// link puts in; every later byte is 0).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zk40 {

using CommandBytes = std::array<std::uint8_t, 5>;

// Payload sizes of the commands followed by data.
inline constexpr std::size_t kDpiBlockSize = 16;
inline constexpr std::size_t kKeyMatrixSize = 64;
inline constexpr std::size_t kMacroBlockSize = 512;

// The payloads as the link takes them: exactly their size, by type.
using DpiBlockView = std::span<const std::uint8_t, kDpiBlockSize>;
using KeyMatrixView = std::span<const std::uint8_t, kKeyMatrixSize>;
using MacroBlockView = std::span<const std::uint8_t, kMacroBlockSize>;

CommandBytes VersionQueryCommand();
// interval in ms: 1, 2, 4 and 8 are sent as they are, anything else as 2.
CommandBytes ReportIntervalCommand(int interval);
CommandBytes DpiSelectCommand(int stages);
// colour is 0x00BBGGRR; the wire order is green, red, blue.
CommandBytes LedColorCommand(std::uint32_t colour);
CommandBytes LedEffectCommand(int effect, int level, int variant);
// On only when asked for and the lighting is not off (effect 5).
CommandBytes TouchSensingCommand(int on, int ledEffect);
CommandBytes DpiTableCommand();
CommandBytes KeyMatrixCommand();
CommandBytes MacroCommand(int slot);

// The version in a reply to the version query (report id first): tens and
// units after the echoed 0x80. Nothing when the reply is not one.
std::optional<int> ParseFirmwareVersion(std::span<const std::uint8_t> reply);

}  // namespace zk40
