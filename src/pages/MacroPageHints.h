#pragma once
// Where the macro page shows which hint: the areas of its controls in the
// English or the Simplified Chinese layout, with the record button's hint
// following the recording.

#include <vector>

#include "pages/PageGeometry.h"

namespace zk40 {

std::vector<HintArea> MacroPageHintAreas(bool chinese, bool recording);

}  // namespace zk40
