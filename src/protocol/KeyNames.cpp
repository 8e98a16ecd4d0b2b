#include "protocol/KeyNames.h"

#include <iterator>

namespace zk40 {
namespace {

struct NamedKey {
  std::uint32_t code;
  std::u16string_view name;
};

// Searched in order, first match wins: the second "K", "L" and "Z" and the
// mouse codes above 0xFF are never found, as the lookup uses 8 bits.
constexpr NamedKey kMacroKeys[] = {
    {'Q', u"Q"}, {'W', u"W"}, {'E', u"E"}, {'R', u"R"}, {'T', u"T"}, {'Y', u"Y"}, {'U', u"U"}, {'I', u"I"},
    {'O', u"O"}, {'P', u"P"}, {'A', u"A"}, {'S', u"S"}, {'D', u"D"}, {'F', u"F"}, {'G', u"G"}, {'H', u"H"},
    {'J', u"J"}, {'K', u"K"}, {'L', u"L"}, {'Z', u"Z"}, {'K', u"K"}, {'L', u"L"}, {'Z', u"Z"}, {'X', u"X"},
    {'C', u"C"}, {'V', u"V"}, {'B', u"B"}, {'N', u"N"}, {'M', u"M"},
    {0xC0, u"~"}, {0x31, u"1"}, {0x32, u"2"}, {0x33, u"3"}, {0x34, u"4"}, {0x35, u"5"}, {0x36, u"6"},
    {0x37, u"7"}, {0x38, u"8"}, {0x39, u"9"}, {0x30, u"0"}, {0xBD, u"-"}, {0xBB, u"="}, {0x08, u"Backspace"},
    {0xDC, u"|"}, {0xDB, u"["}, {0xDD, u"]"}, {0xBA, u";"}, {0xDE, u"'"}, {0x0D, u"Enter"}, {0xBC, u"<"},
    {0xBE, u">"}, {0xBF, u"?"}, {0x09, u"Tab"}, {0x14, u"Cap"},
    {0xA0, u"L_Shift"}, {0xA2, u"L_Ctrl"}, {0xA4, u"L_Alt"}, {0x5B, u"L_Win"}, {0xA1, u"R_Shift"},
    {0xA3, u"R_Ctrl"}, {0xA5, u"R_Alt"}, {0x5C, u"R_Win"}, {0x20, u"Space"}, {0x1B, u"ESC"},
    {0x70, u"F1"}, {0x71, u"F2"}, {0x72, u"F3"}, {0x73, u"F4"}, {0x74, u"F5"}, {0x75, u"F6"},
    {0x76, u"F7"}, {0x77, u"F8"}, {0x78, u"F9"}, {0x79, u"F10"}, {0x7A, u"F11"}, {0x7B, u"F12"},
    {0x61, u"NUM 1"}, {0x62, u"NUM 2"}, {0x63, u"NUM 3"}, {0x64, u"NUM 4"}, {0x65, u"NUM 5"},
    {0x66, u"NUM 6"}, {0x67, u"NUM 7"}, {0x68, u"NUM 8"}, {0x69, u"NUM 9"}, {0x60, u"NUM 0"},
    {0x6D, u"NUM -"}, {0x6B, u"NUM +"}, {0x6A, u"NUM *"}, {0x6F, u"NUM /"}, {0x6C, u"NUM Enter"},
    {0x6E, u"NUM Del"}, {0x90, u"NUM Lock"},
    {0x2A, u"Print"}, {0x91, u"Scroll"}, {0x13, u"Pause"}, {0x2D, u"Insert"}, {0x24, u"Home"},
    {0x2E, u"Delete"}, {0x23, u"End"}, {0x21, u"Page Up"}, {0x22, u"Page Down"}, {0x26, u"UP"},
    {0x28, u"DOWN"}, {0x25, u"LEFT"}, {0x27, u"RIGHT"},
    {0x1001, u"L key"}, {0x1002, u"R key"}, {0x1003, u"M key"}, {0x1004, u"4 key"}, {0x1005, u"5 key"},
    {0x1006, u"Scroll"},
    {0x01, u"Left Button"}, {0x02, u"Right Button"}, {0x04, u"Middle Button"},
};
static_assert(std::size(kMacroKeys) == 115);

constexpr NamedKey kVirtualKeys[] = {
    {0x00, u""},          {0xFF, u""},
    {0x08, u"Backspace"}, {0x09, u"Tab"},       {0x0C, u"Clr"},        {0x0D, u"Enter"},   {0x2B, u"Enter"},
    {0x10, u"Shift"},     {0x11, u"Ctrl"},      {0x12, u"Alt"},        {0x13, u"Pause"},   {0x14, u"CapsLock"},
    {0x1B, u"Esc"},       {0x20, u"Space"},     {0x21, u"PageUp"},     {0x22, u"PageDown"}, {0x23, u"End"},
    {0x24, u"Home"},      {0x25, u"Left"},      {0x26, u"Up"},         {0x27, u"Right"},   {0x28, u"Down"},
    {0x29, u"Select"},    {0x2A, u"Print"},     {0x2C, u"PrtSc SysRq"}, {0x2D, u"Insert"}, {0x2E, u"Delete"},
    {0x2F, u"Help"},      {0x5B, u"LWin"},      {0x5C, u"RWin"},       {0x5D, u"App"},
    {0x60, u"(0)"},       {0x61, u"(1)"},       {0x62, u"(2)"},        {0x63, u"(3)"},     {0x64, u"(4)"},
    {0x65, u"(5)"},       {0x66, u"(6)"},       {0x67, u"(7)"},        {0x68, u"(8)"},     {0x69, u"(9)"},
    {0x6A, u"(*)"},       {0x6B, u"(+)"},       {0x6C, u"\\"},         {0x6D, u"(-)"},     {0x6E, u"(.)"},
    {0x6F, u"(/)"},
    {0x70, u"F1"},        {0x71, u"F2"},        {0x72, u"F3"},         {0x73, u"F4"},      {0x74, u"F5"},
    {0x75, u"F6"},        {0x76, u"F7"},        {0x77, u"F8"},         {0x78, u"F9"},      {0x79, u"F10"},
    {0x7A, u"F11"},       {0x7B, u"F12"},
    {0x90, u"Numlock"},   {0x91, u"Scroll Lock"},
    {0xA0, u"LShift"},    {0xA1, u"RShift"},    {0xA2, u"LCtrl"},      {0xA3, u"RCtrl"},   {0xA4, u"LAlt"},
    {0xA5, u"RAlt"},
};

struct UsagePair {
  std::uint8_t usage;
  std::uint8_t virtual_key;
};

// Searched in order, first match wins either way (0x0D gives 0x28, not 0x58).
constexpr UsagePair kUsages[] = {
    {0x29, 0x1B},
    {0x3A, 0x70}, {0x3B, 0x71}, {0x3C, 0x72}, {0x3D, 0x73}, {0x3E, 0x74}, {0x3F, 0x75},
    {0x40, 0x76}, {0x41, 0x77}, {0x42, 0x78}, {0x43, 0x79}, {0x44, 0x7A}, {0x45, 0x7B},
    {0x04, 0x41}, {0x05, 0x42}, {0x06, 0x43}, {0x07, 0x44}, {0x08, 0x45}, {0x09, 0x46}, {0x0A, 0x47},
    {0x0B, 0x48}, {0x0C, 0x49}, {0x0D, 0x4A}, {0x0E, 0x4B}, {0x0F, 0x4C}, {0x10, 0x4D}, {0x11, 0x4E},
    {0x12, 0x4F}, {0x13, 0x50}, {0x14, 0x51}, {0x15, 0x52}, {0x16, 0x53}, {0x17, 0x54}, {0x18, 0x55},
    {0x19, 0x56}, {0x1A, 0x57}, {0x1B, 0x58}, {0x1C, 0x59}, {0x1D, 0x5A},
    {0x1E, 0x31}, {0x1F, 0x32}, {0x20, 0x33}, {0x21, 0x34}, {0x22, 0x35}, {0x23, 0x36}, {0x24, 0x37},
    {0x25, 0x38}, {0x26, 0x39}, {0x27, 0x30},
    {0x2B, 0x09}, {0x39, 0x14}, {0x28, 0x0D}, {0x2A, 0x08}, {0x2C, 0x20},
    {0x2F, 0xDB}, {0x30, 0xDD}, {0x31, 0xDC}, {0x33, 0xBA}, {0x34, 0xDE}, {0x36, 0xBC}, {0x37, 0xBE},
    {0x38, 0xBF}, {0x35, 0xC0}, {0x2E, 0xBB}, {0x2D, 0xBD},
    {0x46, 0x2C}, {0x47, 0x91}, {0x48, 0x13},
    {0x49, 0x2D}, {0x4A, 0x24}, {0x4B, 0x21}, {0x4C, 0x2E}, {0x4D, 0x23}, {0x4E, 0x22},
    {0x52, 0x26}, {0x51, 0x28}, {0x50, 0x25}, {0x4F, 0x27},
    {0x59, 0x61}, {0x5A, 0x62}, {0x5B, 0x63}, {0x5C, 0x64}, {0x5D, 0x65}, {0x5E, 0x66}, {0x5F, 0x67},
    {0x60, 0x68}, {0x61, 0x69}, {0x62, 0x60},
    {0x57, 0x6B}, {0x56, 0x6D}, {0x55, 0x6A}, {0x54, 0x6F}, {0x53, 0x90},
    {0x58, 0x0D}, {0x63, 0x6E},
    {0xE0, 0xA2}, {0xE1, 0xA0}, {0xE2, 0xA4}, {0xE3, 0x5B}, {0xE4, 0xA3}, {0xE5, 0xA1}, {0xE6, 0xA5},
    {0xE7, 0x5C},
    {0x65, 0x5D},
    {0xF0, 0x01}, {0xF1, 0x02}, {0xF2, 0x04},
};
static_assert(std::size(kUsages) == 107);

const NamedKey* Find(const NamedKey* begin, const NamedKey* end, std::uint32_t code) {
  for (const NamedKey* k = begin; k != end; ++k) {
    if (k->code == code) return k;
  }
  return nullptr;
}

// Modifier bits of a key-combination code, in the order they are named.
struct ModifierName {
  std::uint32_t bit;
  std::u16string_view name;
};
constexpr ModifierName kModifiers[] = {{0x02, u"Shift"}, {0x01, u"Ctrl"}, {0x04, u"Alt"}, {0x08, u"Win"}};

}  // namespace

std::u16string_view MacroKeyName(std::uint32_t code) {
  const NamedKey* k = Find(std::begin(kMacroKeys), std::end(kMacroKeys), code & 0xFF);
  return k ? k->name : std::u16string_view();
}

std::u16string VkName(std::uint32_t virtualKey, const KeyboardLayout& layout) {
  if (const NamedKey* k = Find(std::begin(kVirtualKeys), std::end(kVirtualKeys), virtualKey)) {
    return std::u16string(k->name);
  }
  std::uint8_t c = layout.TypedCharacter(virtualKey);
  if (c >= 'a' && c <= 'z') c = static_cast<std::uint8_t>(c - 'a' + 'A');
  if (c == 0) return {};
  return std::u16string(1, static_cast<char16_t>(c));
}

std::uint32_t UsageToVk(std::uint32_t usage) {
  for (const UsagePair& p : kUsages) {
    if (p.usage == usage) return p.virtual_key;
  }
  return 0;
}

std::uint32_t VkToUsage(std::uint32_t virtualKey) {
  for (const UsagePair& p : kUsages) {
    if (p.virtual_key == virtualKey) return p.usage;
  }
  return 0;
}

std::u16string ComboText(std::uint32_t code, const KeyboardLayout& layout) {
  const std::uint32_t modifiers = (code >> 8) & 0xFF;
  const std::uint32_t usage = (code >> 16) & 0xFF;
  if (modifiers == 0) return VkName(UsageToVk(usage), layout);
  std::u16string text;
  for (const ModifierName& m : kModifiers) {
    if ((modifiers & m.bit) == 0) continue;
    if (!text.empty()) text += u" + ";
    text += m.name;
  }
  // Only the bits above Win set: the modifier byte is read as the key.
  if (text.empty()) return VkName(UsageToVk(modifiers), layout);
  return text + u" + " + VkName(UsageToVk(usage), layout);
}

}  // namespace zk40
