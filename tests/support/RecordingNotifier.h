#pragma once
#include <string>
#include <vector>

#include "platform/UserNotifier.h"

namespace zk40::test {

// Keeps every notice and message box; answers notices with a set reply.
class RecordingNotifier final : public UserNotifier {
 public:
  struct Shown {
    bool is_notice;
    std::u16string text;
    std::u16string caption;  // message boxes only
    bool with_cancel;        // notices only
  };
  std::vector<Shown> shown;
  bool reply = true;

  bool ShowNotice(const std::u16string& text, bool withCancel) override {
    shown.push_back({true, text, u"", withCancel});
    return reply;
  }
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override {
    shown.push_back({false, text, caption, false});
  }
};

}  // namespace zk40::test
