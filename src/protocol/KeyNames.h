#pragma once
// Display names of keys (fixed English texts in every UI language) and the
// conversion between virtual-key codes and HID keyboard usages.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/KeyboardLayout.h"

namespace zk40 {

// The name of a macro step's key, by the low 8 bits of code; empty when unknown.
std::u16string_view MacroKeyName(std::uint32_t code);

// The name of a virtual key in a key combination. Keys without a fixed name
// are named by the character they type on layout, in upper case; the program
// passes SystemKeyboardLayout(), the layout the user types on.
std::u16string VkName(std::uint32_t virtualKey, const KeyboardLayout& layout);

// 0 when there is no pair.
std::uint32_t UsageToVk(std::uint32_t usage);
std::uint32_t VkToUsage(std::uint32_t virtualKey);

// The text of a key-combination device code: modifier names, then the key
// (named as VkName does).
std::u16string ComboText(std::uint32_t code, const KeyboardLayout& layout);

}  // namespace zk40
