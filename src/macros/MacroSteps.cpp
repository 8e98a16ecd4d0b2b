#include "macros/MacroSteps.h"

#include <algorithm>

#include "macros/MacroStore.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

constexpr std::uint64_t kNumberCeiling = 0xFFFFFFFFull;

std::uint32_t EventOf(const MacroStep& step) {
  const std::uint32_t kind = step.kind == RowKind::key_press     ? kEventKeyPress
                             : step.kind == RowKind::key_release ? kEventKeyRelease
                                                                 : kEventDelay;
  return kind << 24 | (step.value & kMaxDelayMs);
}

}  // namespace

std::optional<std::size_t> MergeAdjacentDelays(MacroSteps& steps) {
  std::optional<std::size_t> lastMerged;
  for (std::size_t i = 1; i < steps.size();) {
    if (steps[i - 1].IsDelay() && steps[i].IsDelay()) {
      steps[i - 1].value = std::min(steps[i - 1].value + steps[i].value, kMergedDelayCapMs);
      steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(i));
      lastMerged = i - 1;
    } else {
      ++i;
    }
  }
  return lastMerged;
}

std::size_t BuiltEventCount(const MacroSteps& steps) {
  std::size_t count = 0;
  bool keySeen = false;
  bool previousDelay = false;
  for (const MacroStep& step : steps) {
    if (step.IsDelay()) {
      // Leading delays are dropped; a delay next to a delay joins it.
      if (keySeen && !previousDelay) ++count;
      previousDelay = true;
    } else {
      keySeen = true;
      previousDelay = false;
      ++count;
    }
  }
  return count;
}

StepsFromRecord StepsOf(const MacroRecord& record) {
  StepsFromRecord result;
  const std::size_t count = MacroEventCount(record);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t kind = record.events[i] >> 24;
    const std::uint32_t value = record.events[i] & kMaxDelayMs;
    if (kind == kEventKeyPress) {
      result.steps.push_back({RowKind::key_press, value});
    } else if (kind == kEventKeyRelease) {
      result.steps.push_back({RowKind::key_release, value});
    } else if (kind == kEventDelay) {
      result.steps.push_back({RowKind::delay, value});
    } else {
      result.stopped = true;
      break;
    }
  }
  return result;
}

std::u16string LoopTextOf(const MacroRecord& record) {
  if (record.loop_count == kSingleKeyPressLoop) return u"1";
  return DecimalText(record.loop_count);
}

std::optional<std::uint64_t> ReadWholeNumber(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(c - u'0'), kNumberCeiling);
  }
  return value;
}

std::uint32_t ReadLoopCount(std::u16string_view text) {
  const std::optional<std::uint64_t> n = ReadWholeNumber(text);
  if (!n || *n == 0) return 1;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(*n, kMaxLoopCount));
}

std::optional<std::u16string> NormaliseLoopText(std::u16string_view text) {
  std::u16string_view rest = text;
  while (!rest.empty() && rest.front() == u'0') rest.remove_prefix(1);
  const std::optional<std::uint64_t> n = ReadWholeNumber(rest);
  const std::u16string result = !n || *n == 0      ? DecimalText(1)
                                : *n > kMaxLoopCount ? DecimalText(kMaxLoopCount)
                                                     : std::u16string(rest);
  if (result == text) return std::nullopt;
  return result;
}

std::optional<std::uint64_t> ReadDelayText(std::u16string_view text) {
  if (text.empty()) return 0;
  return ReadWholeNumber(text);
}

BuiltMacro BuildMacro(const MacroSteps& steps, std::u16string_view loopText, std::uint32_t macroId,
                      std::u16string_view name) {
  BuiltMacro built;
  built.merged = steps;
  built.last_merged_row = MergeAdjacentDelays(built.merged);

  MacroRecord& record = built.record;
  record.record_size = static_cast<std::uint32_t>(4100 + 4 * steps.size());
  record.magic = kMacroMagic;
  record.reserved = 0;
  record.macro_id = macroId;
  std::size_t count = 0;
  bool keySeen = false;
  for (const MacroStep& step : built.merged) {
    if (step.IsDelay() && !keySeen) continue;
    keySeen = keySeen || step.IsKey();
    // The editor keeps every macro within a record; a longer list is cut
    // here rather than written past the record's end.
    if (count == kMacroEventCapacity) break;
    record.events[count++] = EventOf(step);
  }
  record.event_count = static_cast<std::uint32_t>(count);
  const bool singlePress = count == 1 && (record.events[0] >> 24) == kEventKeyPress;
  record.loop_count = singlePress ? kSingleKeyPressLoop : ReadLoopCount(loopText);
  StoreFixedText(record.name, kMacroNameChars + 1, name);
  return built;
}

}  // namespace zk40
