#pragma once
#include <string>

namespace zk40 {

// The notice that closes by itself after a few seconds (mouse found, mouse
// not found or gone). Modal: returns when the notice has closed.
class CountdownNotifier {
 public:
  virtual ~CountdownNotifier() = default;
  virtual void ShowCountdownNotice(const std::u16string& text) = 0;
};

}  // namespace zk40
