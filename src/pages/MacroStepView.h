#pragma once
// What the macro page shows beside the editor's state: the text of a step
// row, and how much of the mouse's macro memory the macro takes once encoded
// by the same encoder the upload uses.

#include <optional>
#include <string>

#include "macros/MacroSteps.h"
#include "settings/MacroRecord.h"

namespace zk40 {

// A key's name (empty for a key without one), or the milliseconds as "%d  ms".
std::u16string StepText(const MacroStep& step);

struct MacroBudget {
  int units = 1;        // 2-byte units of the mouse's block, header included
  int capacity = 0;     // units a macro may use
  int events = 0;       // events of the macro
  int events_on_mouse = 0;
  [[nodiscard]] bool Cut() const { return events_on_mouse < events; }
};

// The budget of the record a save would store; no record: the header alone.
MacroBudget MacroBudgetOf(const std::optional<MacroRecord>& record);

// "Mouse memory: 12 / 255", in the interface language.
std::u16string BudgetText(const MacroBudget& budget, bool chinese);
// The warning when the mouse would play only part of the macro; empty when
// everything fits.
std::u16string BudgetWarning(const MacroBudget& budget, bool chinese);

}  // namespace zk40
