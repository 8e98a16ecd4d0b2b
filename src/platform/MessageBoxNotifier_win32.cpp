#include "platform/MessageBoxNotifier_win32.h"

#include "platform/WideText_win32.h"

namespace zk40 {

bool MessageBoxNotifier::ShowNotice(const std::u16string& text, bool withCancel) {
  const UINT type = (withCancel ? MB_OKCANCEL : MB_OK) | MB_ICONINFORMATION | MB_SETFOREGROUND;
  return MessageBoxW(owner_, Wide(text), Wide(std::u16string(kInfoCaption)), type) == IDOK;
}

void MessageBoxNotifier::ShowMessageBox(const std::u16string& text, const std::u16string& caption) {
  MessageBoxW(owner_, Wide(text), Wide(caption), MB_OK | MB_SETFOREGROUND);
}

}  // namespace zk40
