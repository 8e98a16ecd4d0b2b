#pragma once
// The readable forms of a profile's fields, as a readable profile file holds
// them: names for buttons, functions, host actions and lighting effects, the
// colour as #RRGGBB, the report rate in Hz, key combinations by key name, and
// the ranges a value must lie in. Each conversion goes both ways and gives back
// the stored value exactly.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ProfileLayout.h"

namespace zk40 {

// The buttons by button index.
inline constexpr std::array<std::string_view, kButtonCount> kButtonFieldNames = {
    "left", "middle", "right", "forward", "back", "wheel_forward", "wheel_backward"};

// A function type's name: the English name of a fixed function, or "key
// combination", "macro" or "host action". Nothing for a number that names no
// function (such a button does nothing on the mouse; the file keeps the number).
std::optional<std::string> FunctionTypeName(std::int32_t type);
std::optional<std::int32_t> FunctionTypeFromName(std::string_view name);
// Every name, in type order, for messages.
std::vector<std::string> FunctionTypeNames();

// Host action kinds: "none" (0), "play sound", "run program", "open file",
// "open folder". Nothing for any other number.
std::optional<std::string_view> HostActionName(std::uint32_t kind);
std::optional<std::uint32_t> HostActionFromName(std::string_view name);
std::vector<std::string> HostActionNames();

// Lighting effects 1..5: "always on", "breathing", "colour breathing",
// "colour cycle", "off".
std::optional<std::string_view> LightingEffectName(std::int32_t effect);
std::optional<std::int32_t> LightingEffectFromName(std::string_view name);
std::vector<std::string> LightingEffectNames();

// "#RRGGBB" from the record's red, green, blue bytes; parsing takes either case.
std::string ColorText(const std::uint8_t (&color)[4]);
[[nodiscard]] bool ParseColorText(std::string_view text, std::uint8_t (&color)[4]);

// A key-combination code as the button page names it ("Shift + Ctrl + A"),
// or, where names would not give back the same code, as "0x" and eight hex
// digits; 0 is the empty text.
std::string KeyCombinationText(std::uint32_t code);
// Modifier names (Shift, Ctrl, Alt, Win, each at most once, any order) and one
// key name joined by " + ", or the hex form. Nothing, with the reason in
// problem, for a text that is neither.
std::optional<std::uint32_t> ParseKeyCombination(std::string_view text, std::string& problem);

// The report rate of a report interval in ms, 0 for an interval of 0 or less.
std::int64_t ReportRateHz(std::int32_t intervalMs);
// The intervals the mouse takes: 125, 250, 500 and 1000 Hz.
std::optional<std::int32_t> ReportIntervalForHz(std::int64_t hz);

// A DPI value the mouse has a code for, or 0 for an unused stage.
bool IsStoredDpi(std::int64_t dpi);

// The value that stands for "one screen per notch" in the wheel-lines field.
inline constexpr std::int32_t kWheelOneScreen = -1;
inline constexpr std::string_view kWheelOneScreenName = "one screen";

struct FieldRange {
  std::int64_t min;
  std::int64_t max;
};
inline constexpr FieldRange kSheightRange{1, 30};
inline constexpr FieldRange kPointerSpeedRange{1, 20};
inline constexpr FieldRange kWheelLinesRange{1, 30};
inline constexpr FieldRange kPresetRange{0, 25};
inline constexpr FieldRange kBrightnessRange{1, 10};
inline constexpr FieldRange kBreathingSpeedRange{1, 5};

}  // namespace zk40
