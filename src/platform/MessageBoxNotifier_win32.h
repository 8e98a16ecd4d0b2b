#pragma once
#include <windows.h>

#include "platform/UserNotifier.h"

namespace zk40 {

// Notices and message boxes as system message boxes owned by a window. The
// program's own skinned notice window replaces ShowNotice once the main
// window exists; command-line tools and tests keep this one.
class MessageBoxNotifier final : public UserNotifier {
 public:
  explicit MessageBoxNotifier(HWND owner = nullptr) : owner_(owner) {}
  bool ShowNotice(const std::u16string& text, bool withCancel) override;
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;

 private:
  HWND owner_;
};

}  // namespace zk40
