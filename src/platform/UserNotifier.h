#pragma once
#include <string>

namespace zk40 {

// The caption of the system message boxes that report file results.
inline constexpr char16_t kInfoCaption[] = u"Info";

// How the core talks to the user: the program's own notice window and the
// system message box. Both are modal; the core waits for the answer.
class UserNotifier {
 public:
  virtual ~UserNotifier() = default;
  // Returns true when the user confirmed (OK), false for Cancel.
  virtual bool ShowNotice(const std::u16string& text, bool withCancel) = 0;
  virtual void ShowMessageBox(const std::u16string& text, const std::u16string& caption) = 0;
};

}  // namespace zk40
