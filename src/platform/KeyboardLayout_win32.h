#pragma once
#include "platform/KeyboardLayout.h"

namespace zk40 {

// What a key types on the active keyboard layout: its scan code from
// MapVirtualKeyW, then ToAscii with no key held; the low 8 bits of the
// character it gives.
class Win32KeyboardLayout final : public KeyboardLayout {
 public:
  std::uint8_t TypedCharacter(std::uint32_t virtualKey) const override;
};

}  // namespace zk40
