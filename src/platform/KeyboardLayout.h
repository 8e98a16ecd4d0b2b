#pragma once
// What a key types: the fallback of the key names for keys without a fixed
// name. The Win32 implementation asks the active keyboard layout; the portable
// one knows the printable keys of a US layout.

#include <cstdint>

namespace zk40 {

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The character the key types with no modifier held, as one byte
  // (Latin-1); 0 when it types nothing.
  virtual std::uint8_t TypedCharacter(std::uint32_t virtualKey) const = 0;
};

// Letters (lower case), digits, space and the punctuation keys of a US layout.
class AsciiKeyboardLayout final : public KeyboardLayout {
 public:
  std::uint8_t TypedCharacter(std::uint32_t virtualKey) const override;
};

// The layout the user types on: the active keyboard layout of Windows in the
// Windows build, the US table elsewhere.
const KeyboardLayout& SystemKeyboardLayout();

}  // namespace zk40
