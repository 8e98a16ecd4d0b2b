#include "platform/KeyboardLayout.h"

namespace zk40 {

const KeyboardLayout& SystemKeyboardLayout() {
  static const AsciiKeyboardLayout layout;
  return layout;
}

}  // namespace zk40
