#include "pages/ChooserResult.h"

#include "settings/SettingsTables.h"

namespace zk40 {

ChooserResult DefaultChoice(int button) {
  ChooserResult result;
  result.button_index = button;
  if (button >= 0 && button < kButtonCount) result.value = kFactoryFunctionTypes[static_cast<std::size_t>(button)];
  return result;
}

ChooserResult DisableChoice(int button) {
  ChooserResult result;
  result.button_index = button;
  result.value = kDisableValue;
  result.category = ChoiceCategory::disable;
  return result;
}

std::int32_t HostActionValue(int row, int button) { return (0xC0 + 0x10 * row + button) * 0x10000 + 6; }

}  // namespace zk40
