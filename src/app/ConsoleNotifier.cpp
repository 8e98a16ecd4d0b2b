#include "app/ConsoleNotifier.h"

#include "platform/Utf16Text.h"

namespace zk40 {

bool ConsoleNotifier::ShowNotice(const std::u16string& text, bool) {
  std::fprintf(stream_, "notice: %s\n", Utf16ToUtf8(text).c_str());
  return true;
}

void ConsoleNotifier::ShowMessageBox(const std::u16string& text, const std::u16string& caption) {
  std::fprintf(stream_, "%s: %s\n", Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str());
}

}  // namespace zk40
