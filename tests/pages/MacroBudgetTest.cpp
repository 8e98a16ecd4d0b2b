#include <gtest/gtest.h>

#include "macros/MacroSteps.h"
#include "pages/MacroStepView.h"
#include "platform/Utf16Text.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

using test::D;
using test::P;
using test::R;

MacroBudget BudgetOf(const MacroSteps& steps) { return MacroBudgetOf(BuildMacro(steps, u"1", 1, u"").record); }

TEST(MacroBudget, CountsTheUnitsTheUploadWillSend) {
  const MacroBudget budget = BudgetOf({P('A'), D(10), R('A')});
  EXPECT_EQ(budget.units, 3) << "header, press with its 10 ms folded in, release";
  EXPECT_EQ(budget.capacity, 255);
  EXPECT_FALSE(budget.Cut());
  EXPECT_EQ(BudgetText(budget, false), u"Mouse memory: 3 / 255");
  EXPECT_TRUE(BudgetWarning(budget, false).empty());
  EXPECT_EQ(MacroBudgetOf(std::nullopt).units, 1);
}

TEST(MacroBudget, WarnsWhenTheMouseWouldDropSteps) {
  // Pauses of two seconds take two units each: 150 keys with them do not fit.
  MacroSteps steps;
  for (int i = 0; i < 150; ++i) {
    if (i > 0) steps.push_back(D(2000));
    steps.push_back(i % 2 ? R('A') : P('A'));
  }
  const MacroBudget budget = BudgetOf(steps);
  EXPECT_EQ(budget.units, 254) << "the next pause would need two units more than are left";
  EXPECT_TRUE(budget.Cut());
  EXPECT_EQ(budget.events, 299);
  EXPECT_EQ(budget.events_on_mouse, 169);
  EXPECT_EQ(BudgetWarning(budget, false), u"The mouse plays only the first 169 of 299 steps");
  EXPECT_FALSE(BudgetWarning(budget, true).empty());
}

TEST(MacroStepText, KeysByNameAndDelaysInMilliseconds) {
  EXPECT_EQ(StepText(D(250)), u"250  ms");
  EXPECT_EQ(StepText(P(0x1B)), u"ESC");
  EXPECT_EQ(StepText(R(0x1001)), u"Left Button") << "looked up by the low 8 bits";
  EXPECT_EQ(StepText(P(0x2C)), u"");
}

}  // namespace
}  // namespace zk40
