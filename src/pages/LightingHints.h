#pragma once
// Where on the lighting page each hint is shown: every control and label
// area of the page's layout with its hint number, in the order the page
// tests them. The swatches, the number fields and the colour wheel have none.

#include <array>

#include "pages/LightingPage.h"
#include "pages/PageGeometry.h"

namespace zk40 {

// By LightingControl; chinese picks the Simplified Chinese layout.
std::array<HintArea, kLightingHintControls> LightingHintAreas(bool chinese);

}  // namespace zk40
