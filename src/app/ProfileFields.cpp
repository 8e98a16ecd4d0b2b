#include "app/ProfileFields.h"

#include <charconv>
#include <cstdio>

#include "platform/KeyboardLayout.h"
#include "platform/Utf16Text.h"
#include "protocol/ButtonCodes.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyNames.h"
#include "shell/HostAction.h"

namespace zk40 {
namespace {

// Key names in a profile file are the same on every machine: the US table,
// never the layout of whoever exports or imports.
const KeyboardLayout& FileKeyboardLayout() {
  static const AsciiKeyboardLayout layout;
  return layout;
}

struct NamedType {
  std::int32_t type;
  std::string_view name;
};
// The functions whose name is not a fixed function's.
constexpr NamedType kAssignedFunctions[] = {
    {kKeyComboType, "key combination"}, {kMacroType, "macro"}, {kHostActionType, "host action"}};

struct NamedKind {
  std::uint32_t kind;
  std::string_view name;
};
constexpr NamedKind kHostActions[] = {{0, "none"},
                                      {kHostActionSound, "play sound"},
                                      {kHostActionProgram, "run program"},
                                      {kHostActionFile, "open file"},
                                      {kHostActionFolder, "open folder"}};

constexpr std::string_view kLightingEffects[] = {"always on", "breathing", "colour breathing", "colour cycle", "off"};

struct Modifier {
  std::uint32_t bit;
  std::string_view name;
};
constexpr Modifier kModifiers[] = {{0x02, "Shift"}, {0x01, "Ctrl"}, {0x04, "Alt"}, {0x08, "Win"}};
constexpr std::string_view kJoin = " + ";

std::optional<std::uint32_t> ParseHexCode(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The keyboard usage whose key has this name in a key combination.
std::optional<std::uint32_t> UsageNamed(std::string_view name) {
  for (std::uint32_t usage = 1; usage <= 0xFF; ++usage) {
    const std::uint32_t vk = UsageToVk(usage);
    if (vk != 0 && Utf16ToUtf8(VkName(vk, FileKeyboardLayout())) == name) return usage;
  }
  return std::nullopt;
}

std::string HexCodeText(std::uint32_t code) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", code);
  return text;
}

}  // namespace

std::optional<std::string> FunctionTypeName(std::int32_t type) {
  for (const NamedType& f : kAssignedFunctions) {
    if (f.type == type) return std::string(f.name);
  }
  if (const FunctionInfo* f = FindFunction(type)) return Utf16ToUtf8(f->english);
  return std::nullopt;
}

std::optional<std::int32_t> FunctionTypeFromName(std::string_view name) {
  for (const NamedType& f : kAssignedFunctions) {
    if (f.name == name) return f.type;
  }
  for (const FunctionInfo& f : FunctionTable()) {
    if (Utf16ToUtf8(f.english) == name) return f.type;
  }
  return std::nullopt;
}

std::vector<std::string> FunctionTypeNames() {
  std::vector<std::string> names;
  for (const FunctionInfo& f : FunctionTable()) names.push_back(Utf16ToUtf8(f.english));
  for (const NamedType& f : kAssignedFunctions) names.emplace_back(f.name);
  return names;
}

std::optional<std::string_view> HostActionName(std::uint32_t kind) {
  for (const NamedKind& k : kHostActions) {
    if (k.kind == kind) return k.name;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> HostActionFromName(std::string_view name) {
  for (const NamedKind& k : kHostActions) {
    if (k.name == name) return k.kind;
  }
  return std::nullopt;
}

std::vector<std::string> HostActionNames() {
  std::vector<std::string> names;
  for (const NamedKind& k : kHostActions) names.emplace_back(k.name);
  return names;
}

std::optional<std::string_view> LightingEffectName(std::int32_t effect) {
  if (effect < 1 || effect > static_cast<std::int32_t>(std::size(kLightingEffects))) return std::nullopt;
  return kLightingEffects[effect - 1];
}

std::optional<std::int32_t> LightingEffectFromName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kLightingEffects); ++i) {
    if (kLightingEffects[i] == name) return static_cast<std::int32_t>(i + 1);
  }
  return std::nullopt;
}

std::vector<std::string> LightingEffectNames() {
  return std::vector<std::string>(std::begin(kLightingEffects), std::end(kLightingEffects));
}

std::string ColorText(const std::uint8_t (&color)[4]) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color[0], color[1], color[2]);
  return text;
}

bool ParseColorText(std::string_view text, std::uint8_t (&color)[4]) {
  if (text.size() != 7 || text[0] != '#') return false;
  std::uint8_t parsed[3];
  for (int i = 0; i < 3; ++i) {
    const char* begin = text.data() + 1 + 2 * i;
    const auto [end, ec] = std::from_chars(begin, begin + 2, parsed[i], 16);
    if (ec != std::errc() || end != begin + 2) return false;
  }
  color[0] = parsed[0];
  color[1] = parsed[1];
  color[2] = parsed[2];
  color[3] = 0;
  return true;
}

std::string KeyCombinationText(std::uint32_t code) {
  const std::string named = Utf16ToUtf8(ComboText(code, FileKeyboardLayout()));
  std::string problem;
  if (ParseKeyCombination(named, problem) == code) return named;
  return HexCodeText(code);
}

std::optional<std::uint32_t> ParseKeyCombination(std::string_view text, std::string& problem) {
  if (text.empty()) return 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const auto code = ParseHexCode(text.substr(2));
    if (!code) problem = "\"" + std::string(text) + "\" is not a code of up to eight hex digits";
    return code;
  }
  std::vector<std::string_view> names;
  for (std::size_t start = 0;;) {
    const std::size_t join = text.find(kJoin, start);
    names.push_back(text.substr(start, join == std::string_view::npos ? std::string_view::npos : join - start));
    if (join == std::string_view::npos) break;
    start = join + kJoin.size();
  }
  std::uint32_t modifiers = 0;
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    const Modifier* found = nullptr;
    for (const Modifier& m : kModifiers) {
      if (m.name == names[i]) found = &m;
    }
    if (!found) {
      problem = "\"" + std::string(names[i]) + "\" is not a modifier (Shift, Ctrl, Alt or Win)";
      return std::nullopt;
    }
    if (modifiers & found->bit) {
      problem = std::string(found->name) + " is named twice";
      return std::nullopt;
    }
    modifiers |= found->bit;
  }
  const auto usage = UsageNamed(names.back());
  if (!usage) {
    problem = "unknown key name \"" + std::string(names.back()) + "\"";
    return std::nullopt;
  }
  return modifiers << 8 | *usage << 16;
}

std::int64_t ReportRateHz(std::int32_t intervalMs) { return intervalMs > 0 ? 1000 / intervalMs : 0; }

std::optional<std::int32_t> ReportIntervalForHz(std::int64_t hz) {
  switch (hz) {
    case 1000:
      return 1;
    case 500:
      return 2;
    case 250:
      return 4;
    case 125:
      return 8;
    default:
      return std::nullopt;
  }
}

bool IsStoredDpi(std::int64_t dpi) {
  return dpi == 0 || (dpi > 0 && dpi <= 0x7FFFFFFF && DpiCode(static_cast<std::int32_t>(dpi)) != kNoDpiStage);
}

}  // namespace zk40
