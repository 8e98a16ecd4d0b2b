#include "pages/KeyComboCapture.h"

#include <algorithm>
#include <optional>

#include "protocol/KeyNames.h"

namespace zk40 {
namespace {

struct ModifierKeys {
  ComboModifier modifier;
  std::array<std::uint32_t, 3> codes;  // 0: unused
  std::uint8_t bit;                    // in the code's modifier byte
  std::uint8_t usage;                  // the key's own usage, for the key alone
};

constexpr ModifierKeys kModifierKeys[] = {
    {ComboModifier::ctrl, {17, 162, 163}, 0x01, 0xE0},
    {ComboModifier::alt, {18, 164, 165}, 0x04, 0xE2},
    {ComboModifier::shift, {16, 160, 161}, 0x02, 0xE1},
    {ComboModifier::win, {91, 92, 0}, 0x08, 0xE3},
};

// Key-down flags that toggle a box: plain, extended, injected, with Alt held.
constexpr std::uint32_t kToggleFlags[] = {0, 1, 16, 17, 32, 33};
constexpr std::uint32_t kKeyUp = 0x80;

const ModifierKeys* ModifierOf(std::uint32_t virtualKey) {
  for (const ModifierKeys& m : kModifierKeys) {
    if (virtualKey != 0 && std::find(m.codes.begin(), m.codes.end(), virtualKey) != m.codes.end()) return &m;
  }
  return nullptr;
}

}  // namespace

void KeyComboCapture::ToggleBox(ComboModifier modifier) { on_[Index(modifier)] = !on_[Index(modifier)]; }

bool KeyComboCapture::OnKeyEvent(std::uint32_t virtualKey, std::uint32_t flags) {
  const ModifierKeys* modifier = ModifierOf(virtualKey);
  if (!modifier) {
    captured_ = virtualKey;
    return true;
  }
  if (flags & kKeyUp) {
    held_.reset(virtualKey);
    return false;
  }
  if (std::find(std::begin(kToggleFlags), std::end(kToggleFlags), flags) == std::end(kToggleFlags)) return false;
  if (held_.test(virtualKey)) return false;  // the keyboard's repeat of a held key
  held_.set(virtualKey);
  ToggleBox(modifier->modifier);
  return false;
}

std::u16string KeyComboCapture::KeyName(const KeyboardLayout& layout) const { return VkName(captured_, layout); }

std::int32_t KeyComboCapture::Value() const {
  std::uint32_t modifiers = 0;
  int boxes = 0;
  std::optional<std::uint8_t> onlyUsage;
  for (const ModifierKeys& m : kModifierKeys) {
    if (!BoxOn(m.modifier)) continue;
    modifiers |= m.bit;
    ++boxes;
    onlyUsage = m.usage;
  }
  const std::uint32_t usage = VkToUsage(captured_);
  if (modifiers == 0) return static_cast<std::int32_t>(usage << 16);
  if (usage != 0) return static_cast<std::int32_t>(usage << 16 | modifiers << 8);
  // A modifier key on its own is a key like any other.
  if (boxes == 1) return static_cast<std::int32_t>(std::uint32_t{*onlyUsage} << 16);
  return 0;
}

}  // namespace zk40
