#pragma once
// One stored macro, byte for byte as in Macro.cfg.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace zk40 {

inline constexpr std::uint32_t kMacroMagic = 0xE8E80010;
inline constexpr std::size_t kMacroEventCapacity = 1000;
inline constexpr std::size_t kMacroNameUnits = 40;
inline constexpr std::size_t kMacroSlots = 500;

// Kinds in the top byte of a macro event; the low 24 bits carry the
// virtual-key code or the delay in milliseconds.
inline constexpr std::uint32_t kEventKeyPress = 0xC0;
inline constexpr std::uint32_t kEventKeyRelease = 0xE0;
inline constexpr std::uint32_t kEventDelay = 0xA0;

struct MacroRecord {
  std::uint32_t record_size;
  std::uint32_t magic;
  std::uint32_t macro_id;  // bits 31..24 game group, 23..0 creation tick
  std::uint32_t reserved;
  std::uint32_t loop_count;
  std::uint32_t event_count;
  std::uint32_t events[kMacroEventCapacity];
  char16_t name[kMacroNameUnits];
};

static_assert(std::is_trivially_copyable_v<MacroRecord>);
static_assert(sizeof(MacroRecord) == 4104);
static_assert(offsetof(MacroRecord, record_size) == 0);
static_assert(offsetof(MacroRecord, magic) == 4);
static_assert(offsetof(MacroRecord, macro_id) == 8);
static_assert(offsetof(MacroRecord, reserved) == 12);
static_assert(offsetof(MacroRecord, loop_count) == 16);
static_assert(offsetof(MacroRecord, event_count) == 20);
static_assert(offsetof(MacroRecord, events) == 24);
static_assert(offsetof(MacroRecord, name) == 4024);

using MacroTable = std::array<MacroRecord, kMacroSlots>;
static_assert(sizeof(MacroTable) == 2052000);

// The events a record really holds: a Macro.cfg from disk may claim more than
// the record has room for, and nothing may read past its events.
inline std::size_t MacroEventCount(const MacroRecord& record) {
  return std::min<std::size_t>(record.event_count, kMacroEventCapacity);
}

}  // namespace zk40
