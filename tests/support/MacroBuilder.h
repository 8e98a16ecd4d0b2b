#pragma once
// Macro records for tests: events as the editor writes them.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/Utf16Text.h"
#include "macros/MacroSteps.h"
#include "settings/MacroRecord.h"

namespace zk40::test {

inline std::uint32_t Press(std::uint32_t vk) { return kEventKeyPress << 24 | vk; }
inline std::uint32_t Release(std::uint32_t vk) { return kEventKeyRelease << 24 | vk; }
inline std::uint32_t Delay(std::uint32_t ms) { return kEventDelay << 24 | ms; }

// Rows of the macro page's step list.
inline MacroStep P(std::uint32_t vk) { return {RowKind::key_press, vk}; }
inline MacroStep R(std::uint32_t vk) { return {RowKind::key_release, vk}; }
inline MacroStep D(std::uint32_t ms) { return {RowKind::delay, ms}; }

inline MacroRecord Macro(std::uint32_t loop, std::initializer_list<std::uint32_t> events, std::uint32_t id = 0,
                         std::u16string_view name = u"") {
  MacroRecord r{};
  r.record_size = 4100 + 4 * static_cast<std::uint32_t>(events.size() < 1 ? 1 : events.size());
  r.magic = kMacroMagic;
  r.macro_id = id;
  r.loop_count = loop;
  r.event_count = static_cast<std::uint32_t>(events.size());
  std::size_t i = 0;
  for (std::uint32_t e : events) r.events[i++] = e;
  StoreFixedText(r.name, name);
  return r;
}

}  // namespace zk40::test
