#include "shell/SupportPageTexts.h"

namespace zk40 {

std::u16string FirmwareVersionText(std::u16string_view firmwareText) {
  if (firmwareText.empty()) return u"Unknown";
  const std::size_t n = firmwareText.size();
  const std::u16string_view patch = firmwareText.substr(n - 1);
  const std::u16string_view minor = n >= 2 ? firmwareText.substr(n - 2, 1) : u"0";
  const std::u16string_view major = n >= 3 ? firmwareText.substr(0, n - 2) : u"0";
  std::u16string text = u"V ";
  text.append(major).append(u".").append(minor).append(u".").append(patch);
  return text;
}

std::u16string RestoreDefaultsQuestion(int uiIsChinese) {
  return uiIsChinese == 1 ? u"确定要恢复默认设置?" : u"Do you want to restore the default setting?";
}

}  // namespace zk40
