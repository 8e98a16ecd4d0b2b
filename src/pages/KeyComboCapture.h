#pragma once
// The key-combination page of the function chooser: four modifier boxes and
// one captured key, fed by the raw key events of the low-level keyboard hook
// (message 1034: virtual-key code, hook flags). Pressing a modifier key
// toggles its box, like clicking it; any other key becomes the captured key.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "platform/KeyboardLayout.h"

namespace zk40 {

enum class ComboModifier { ctrl = 0, alt = 1, shift = 2, win = 3 };

class KeyComboCapture {
 public:
  void ToggleBox(ComboModifier modifier);
  [[nodiscard]] bool BoxOn(ComboModifier modifier) const { return on_[Index(modifier)]; }

  // One key event. True when the captured key was set (its name is redrawn).
  bool OnKeyEvent(std::uint32_t virtualKey, std::uint32_t flags);

  std::uint32_t CapturedKey() const { return captured_; }
  // The captured key's name as the page draws it.
  std::u16string KeyName(const KeyboardLayout& layout) const;

  // The key-combination device code the page's choice gives; 0 for nothing
  // (no key and no box, or several boxes and no key).
  std::int32_t Value() const;

 private:
  static std::size_t Index(ComboModifier m) { return static_cast<std::size_t>(m); }

  std::array<bool, 4> on_{};
  std::uint32_t captured_ = 0;
  // Modifier keys seen going down and not yet up: the keyboard repeats a
  // held key, and a repeat must not toggle its box again.
  std::bitset<256> held_;
};

}  // namespace zk40
