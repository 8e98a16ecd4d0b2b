#pragma once
#include <cstdio>

#include "platform/UserNotifier.h"

namespace zk40 {

// Notices and message boxes of a command-line program: one line each on a
// stream (standard error), always answered with OK.
class ConsoleNotifier final : public UserNotifier {
 public:
  explicit ConsoleNotifier(std::FILE* stream) : stream_(stream) {}
  bool ShowNotice(const std::u16string& text, bool withCancel) override;
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;

 private:
  std::FILE* stream_;
};

}  // namespace zk40
