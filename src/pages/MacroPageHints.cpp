#include "pages/MacroPageHints.h"

#include "skin/layout/MacroPageLayout.h"

namespace zk40 {
namespace {

namespace mp = layout::macro_page;

PageRect Area(const layout::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

std::vector<HintArea> MacroPageHintAreas(bool chinese, bool recording) {
  std::vector<HintArea> areas = {
      {Area(mp::kMacroListHintArea), mp::kMacroListHint},
      {Area(mp::kNewMacroButton), mp::kNewMacroHint},
      {Area(mp::kDeleteMacroButton), mp::kDeleteMacroHint},
      {Area(mp::kStepListHintArea), mp::kStepListHint},
      {Area(mp::kInsertButton.For(chinese)), mp::kInsertHint},
      {Area(mp::kDeleteStepButton.For(chinese)), mp::kDeleteStepHint},
      {Area(mp::kModifyButton.For(chinese)), mp::kModifyHint},
      {Area(mp::kRecordButton), recording ? mp::kRecordingHint : mp::kRecordHint},
      {Area(mp::kDelayToggle), mp::kDelayToggleHint},
      {Area(mp::kLoopCountEdit), mp::kLoopCountHint},
      {Area(mp::kKeyChoice.For(chinese)), mp::kKeyHint},
      {Area(mp::kKeyEdit.For(chinese)), mp::kKeyHint},
      {Area(mp::kDelayChoice.For(chinese)), mp::kDelayHint},
      {Area(mp::kDelayEdit.For(chinese)), mp::kDelayHint},
      {Area(mp::kMacroListLabel), mp::kMacroListLabelHint},
      {Area(mp::kStepListLabel), mp::kStepListLabelHint},
  };
  for (std::size_t i = 0; i < mp::kMouseButtons.size(); ++i) {
    areas.push_back({Area(mp::kMouseButtons[i].For(chinese)), mp::kMouseButtonHints[i]});
  }
  return areas;
}

}  // namespace zk40
