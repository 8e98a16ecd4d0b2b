#include "settings/SettingsTables.h"

namespace zk40 {

std::optional<std::u16string_view> TranslateFactoryLabel(std::u16string_view label, bool toChinese) {
  for (const LabelPair& pair : kFactoryLabelPairs) {
    if (toChinese && label == pair.english) return pair.chinese;
    if (!toChinese && label == pair.chinese) return pair.english;
  }
  return std::nullopt;
}

}  // namespace zk40
