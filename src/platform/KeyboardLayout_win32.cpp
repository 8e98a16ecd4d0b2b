#include "platform/KeyboardLayout_win32.h"

#include <windows.h>

namespace zk40 {

std::uint8_t Win32KeyboardLayout::TypedCharacter(std::uint32_t virtualKey) const {
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  BYTE state[256] = {};
  WORD character = 0;
  ToAscii(virtualKey, scan, state, &character, 0);
  return static_cast<std::uint8_t>(character & 0xFF);
}

const KeyboardLayout& SystemKeyboardLayout() {
  static const Win32KeyboardLayout layout;
  return layout;
}

}  // namespace zk40
