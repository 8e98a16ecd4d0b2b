#include "pages/MacroStepView.h"

#include "platform/Utf16Text.h"
#include "protocol/KeyNames.h"
#include "protocol/MacroEncoder.h"

namespace zk40 {

std::u16string StepText(const MacroStep& step) {
  if (step.IsDelay()) return DecimalText(step.value) + u"  ms";
  return std::u16string(MacroKeyName(step.value));
}

MacroBudget MacroBudgetOf(const std::optional<MacroRecord>& record) {
  MacroBudget budget;
  budget.capacity = kMacroMaxUnits;
  if (!record) return budget;
  const MacroBlock block = EncodeMacro(*record);
  budget.units = block.units;
  budget.events = static_cast<int>(MacroEventCount(*record));
  budget.events_on_mouse = block.events_encoded;
  return budget;
}

std::u16string BudgetText(const MacroBudget& budget, bool chinese) {
  const std::u16string numbers = DecimalText(budget.units) + u" / " + DecimalText(budget.capacity);
  return (chinese ? u"鼠标宏内存：" : u"Mouse memory: ") + numbers;
}

std::u16string BudgetWarning(const MacroBudget& budget, bool chinese) {
  if (!budget.Cut()) return {};
  const std::u16string kept = DecimalText(budget.events_on_mouse);
  const std::u16string all = DecimalText(budget.events);
  if (chinese) return u"鼠标只能播放前 " + kept + u" 个步骤（共 " + all + u" 个）";
  return u"The mouse plays only the first " + kept + u" of " + all + u" steps";
}

}  // namespace zk40
