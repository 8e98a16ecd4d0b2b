#pragma once
// The rows of the macro page's step list and what a saved macro is built
// from them: adjacent delays merged, leading delays dropped, the loop count
// read from its field. Pure functions; the editor keeps the rows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/ListItemData.h"
#include "settings/MacroRecord.h"

namespace zk40 {

struct MacroStep {
  RowKind kind;          // key_press, key_release or delay
  std::uint32_t value;   // virtual-key code, or milliseconds

  bool IsDelay() const { return kind == RowKind::delay; }
  bool IsKey() const { return kind == RowKind::key_press || kind == RowKind::key_release; }
  std::uint32_t ItemData() const { return PackItemData(kind, value); }
  friend bool operator==(const MacroStep&, const MacroStep&) = default;
};

using MacroSteps = std::vector<MacroStep>;

// Two delays side by side become one, never longer than this.
inline constexpr std::uint32_t kMergedDelayCapMs = 327670;
// A single delay row holds 24 bits of milliseconds.
inline constexpr std::uint32_t kMaxDelayMs = 0xFFFFFF;
// The loop count of a macro that is one key press and nothing else.
inline constexpr std::uint32_t kSingleKeyPressLoop = 0xFFFE;
inline constexpr std::uint32_t kMaxLoopCount = 65533;

// Merges every run of adjacent delays into its first row, in place. Returns
// the index of the last row that took a merge, if any.
std::optional<std::size_t> MergeAdjacentDelays(MacroSteps& steps);

// How many events a save of these rows writes (after merging and dropping
// the leading delays): what the 1000-event limit of a record is checked on.
std::size_t BuiltEventCount(const MacroSteps& steps);

// The rows of a stored record, in order, up to the first event of an unknown
// kind; stopped tells whether one was met.
struct StepsFromRecord {
  MacroSteps steps;
  bool stopped = false;
};
StepsFromRecord StepsOf(const MacroRecord& record);

// The loop count field's text for a stored record.
std::u16string LoopTextOf(const MacroRecord& record);

// A text of ASCII digits only, read without overflow (saturating); nothing
// for an empty text or any other character.
std::optional<std::uint64_t> ReadWholeNumber(std::u16string_view text);

// The loop count a save takes from the field: 0 or not a number gives 1,
// above 65533 gives 65533.
std::uint32_t ReadLoopCount(std::u16string_view text);

// The field's text after the periodic check, when it has to change: leading
// zeros dropped, then "1" for no number or 0, "65533" above that.
std::optional<std::u16string> NormaliseLoopText(std::u16string_view text);

// A delay field: an empty text reads as 0; nothing when it is not a number.
std::optional<std::uint64_t> ReadDelayText(std::u16string_view text);

struct BuiltMacro {
  MacroRecord record{};
  MacroSteps merged;                          // the rows after merging
  std::optional<std::size_t> last_merged_row; // where a merge happened last
};

// The record a save of these rows stores. record_size counts the rows before
// merging; the name is cut to 20 characters.
BuiltMacro BuildMacro(const MacroSteps& steps, std::u16string_view loopText, std::uint32_t macroId,
                      std::u16string_view name);

}  // namespace zk40
