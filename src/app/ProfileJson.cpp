#include "app/ProfileJson.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>

#include <nlohmann/json.hpp>

#include "app/ProfileFields.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "zk40-profile";
constexpr int kVersion = 1;
// A profile file is a few kilobytes; anything far larger is not one, and
// deeper nesting than the format has is refused before it is built.
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr int kMaxNesting = 8;
constexpr std::size_t kMaxTextUnits = kTextFieldUnits - 1;

// --- writing ---------------------------------------------------------------

bool IsWholeUtf16(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

// A text field as a string; one that is not whole UTF-16 (a file name may hold
// a lone surrogate) as its code units, which a string cannot carry.
Json TextValue(const char16_t (&field)[kTextFieldUnits]) {
  const std::u16string text = ReadFixedText(field);
  if (IsWholeUtf16(text)) return Utf16ToUtf8(text);
  Json units = Json::array();
  for (char16_t u : text) units.push_back(static_cast<unsigned>(u));
  return units;
}

Json ButtonValue(const ButtonAssignment& a) {
  Json b = Json::object();
  if (const auto name = FunctionTypeName(a.function_type)) {
    b["function"] = *name;
  } else {
    b["function"] = a.function_type;
  }
  b["label"] = TextValue(a.label);
  b["key_combination"] = KeyCombinationText(a.key_combo_code);
  b["macro_id"] = a.macro_id;
  if (const auto name = HostActionName(a.host_action_kind)) {
    b["host_action"] = std::string(*name);
  } else {
    b["host_action"] = a.host_action_kind;
  }
  b["target_path"] = TextValue(a.target_path);
  b["host_action_value"] = a.host_action_value;
  return b;
}

// A 0/1 flag as true/false; any other stored number stays a number (and is
// refused when read back, naming the field).
Json FlagValue(std::int32_t flag) {
  if (flag == 0 || flag == 1) return flag == 1;
  return flag;
}

}  // namespace

std::string ProfileToJson(const ProfileRecord& r) {
  Json file = Json::object();
  file["format"] = kFormat;
  file["version"] = kVersion;
  Json buttons = Json::object();
  for (int b = 0; b < kButtonCount; ++b) buttons[std::string(kButtonFieldNames[b])] = ButtonValue(r.buttons[b]);
  file["buttons"] = std::move(buttons);
  file["dpi_stages"] = r.dpi_stages;
  file["report_rate_hz"] = ReportRateHz(r.report_interval_ms);

  Json lighting = Json::object();
  if (const auto name = LightingEffectName(r.led_effect)) {
    lighting["effect"] = std::string(*name);
  } else {
    lighting["effect"] = r.led_effect;
  }
  lighting["color"] = ColorText(r.led_color);
  lighting["custom_color"] = FlagValue(r.led_custom_color);
  lighting["preset"] = r.led_preset_index;
  lighting["always_on_brightness"] = r.led_effect1_level;
  lighting["breathing_speed"] = r.led_effect2_level;
  lighting["proximity_sensing"] = FlagValue(r.proximity_sensing);
  file["lighting"] = std::move(lighting);

  Json pointer = Json::object();
  pointer["enhance_precision"] = FlagValue(r.enhance_precision);
  pointer["speed"] = r.pointer_speed;
  if (r.wheel_lines == kWheelOneScreen) {
    pointer["wheel_lines"] = kWheelOneScreenName;
  } else {
    pointer["wheel_lines"] = r.wheel_lines;
  }
  file["pointer"] = std::move(pointer);
  file["sheight_level"] = r.sheight_level;
  return file.dump(2, ' ', false) + "\n";
}

// --- reading ---------------------------------------------------------------

namespace {

// Thrown inside this file only, and turned into the result at its edge.
struct Refused {
  ProfileJsonRefusal refusal;
};

[[noreturn]] void Refuse(std::string field, std::string problem) {
  throw Refused{{std::move(field), std::move(problem)}};
}

std::string KindOf(const Json& v) {
  if (v.is_string()) return "a text";
  if (v.is_boolean()) return "true or false";
  if (v.is_number()) return "a number";
  if (v.is_array()) return "a list";
  if (v.is_object()) return "an object";
  return "null";
}

std::string Join(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += (text.empty() ? "\"" : ", \"") + n + "\"";
  return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// An object's members: exactly these, in any order.
class Members {
 public:
  Members(const Json& object, std::string path, std::vector<std::string> names)
      : object_(object), path_(std::move(path)) {
    if (!object.is_object()) Refuse(path_, "must be an object, not " + KindOf(object));
    for (const auto& [key, value] : object.items()) {
      if (std::find(names.begin(), names.end(), key) == names.end()) {
        Refuse(Field(key), "is not a field here; the fields are " + Join(names));
      }
    }
    for (const std::string& name : names) {
      if (!object.contains(name)) Refuse(Field(name), "is missing");
    }
  }

  const Json& operator[](const std::string& name) const { return object_.at(name); }
  std::string Field(const std::string& name) const { return path_.empty() ? name : path_ + "." + name; }

 private:
  const Json& object_;
  std::string path_;
};

std::int64_t Integer(const Json& v, const std::string& field, std::int64_t min, std::int64_t max) {
  if (v.is_number_float()) Refuse(field, "must be a whole number");
  if (!v.is_number()) Refuse(field, "must be a number, not " + KindOf(v));
  const bool above = v.is_number_unsigned() && v.get<std::uint64_t>() > static_cast<std::uint64_t>(max);
  const std::int64_t n = above ? max : v.get<std::int64_t>();
  if (above || n < min || n > max) {
    Refuse(field, v.dump() + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
  }
  return n;
}

std::int32_t Ranged(const Json& v, const std::string& field, FieldRange range) {
  return static_cast<std::int32_t>(Integer(v, field, range.min, range.max));
}

const std::string& Text(const Json& v, const std::string& field) {
  if (!v.is_string()) Refuse(field, "must be a text, not " + KindOf(v));
  return v.get_ref<const std::string&>();
}

std::int32_t Flag(const Json& v, const std::string& field) {
  if (!v.is_boolean()) Refuse(field, "must be true or false, not " + KindOf(v));
  return v.get<bool>() ? 1 : 0;
}

// A value named in the file: one of names.
template <typename T>
T ByName(const Json& v, const std::string& field, std::optional<T> (*lookup)(std::string_view), const char* what,
         const std::vector<std::string>& names) {
  const std::string& name = Text(v, field);
  const std::optional<T> value = lookup(name);
  if (!value) Refuse(field, std::string("unknown ") + what + " " + Quoted(name) + "; the " + what + "s are " + Join(names));
  return *value;
}

// A text field: a string, or the list of its UTF-16 code units.
void ReadTextField(const Json& v, const std::string& field, char16_t (&out)[kTextFieldUnits]) {
  std::u16string text;
  if (v.is_array()) {
    for (std::size_t i = 0; i < v.size() && i <= kMaxTextUnits; ++i) {
      text.push_back(static_cast<char16_t>(Integer(v[i], field + "[" + std::to_string(i) + "]", 1, 0xFFFF)));
    }
  } else {
    text = Utf8ToUtf16(Text(v, field));
    if (text.find(u'\0') != std::u16string::npos) Refuse(field, "must not hold a zero character");
  }
  if ((v.is_array() ? v.size() : text.size()) > kMaxTextUnits) {
    Refuse(field, "is " + std::to_string(v.is_array() ? v.size() : text.size()) + " characters long; at most " +
                      std::to_string(kMaxTextUnits) + " fit");
  }
  std::memset(out, 0, sizeof out);
  std::copy(text.begin(), text.end(), out);
}

void ReadButton(const Json& v, const std::string& path, ButtonAssignment& a) {
  const Members m(v, path,
                  {"function", "label", "key_combination", "macro_id", "host_action", "target_path",
                   "host_action_value"});
  const Json& function = m["function"];
  if (function.is_string()) {
    a.function_type = ByName(function, m.Field("function"), FunctionTypeFromName, "function name", FunctionTypeNames());
  } else {
    a.function_type = static_cast<std::int32_t>(Integer(function, m.Field("function"), INT32_MIN, INT32_MAX));
  }
  ReadTextField(m["label"], m.Field("label"), a.label);
  std::string problem;
  const auto combo = ParseKeyCombination(Text(m["key_combination"], m.Field("key_combination")), problem);
  if (!combo) Refuse(m.Field("key_combination"), problem);
  a.key_combo_code = *combo;
  a.macro_id = static_cast<std::uint32_t>(Integer(m["macro_id"], m.Field("macro_id"), 0, UINT32_MAX));
  a.host_action_kind = ByName(m["host_action"], m.Field("host_action"), HostActionFromName, "host action",
                              HostActionNames());
  ReadTextField(m["target_path"], m.Field("target_path"), a.target_path);
  a.host_action_value =
      static_cast<std::int32_t>(Integer(m["host_action_value"], m.Field("host_action_value"), INT32_MIN, INT32_MAX));
}

void ReadDpiStages(const Json& v, std::int32_t (&stages)[kDpiSlots]) {
  const std::string field = "dpi_stages";
  if (!v.is_array()) Refuse(field, "must be a list of DPI values, not " + KindOf(v));
  if (v.size() > kDpiSlots) Refuse(field, "has " + std::to_string(v.size()) + " stages; at most 8 fit");
  for (std::size_t i = 0; i < kDpiSlots; ++i) {
    const std::string stage = field + "[" + std::to_string(i) + "]";
    const std::int64_t dpi = i < v.size() ? Integer(v[i], stage, 0, INT32_MAX) : 0;
    if (!IsStoredDpi(dpi)) {
      Refuse(stage, std::to_string(dpi) +
                        " is not a DPI of the mouse (250 to 3500 in steps of 250, 4000, 5000, 6000, 7000; 0 for "
                        "no stage)");
    }
    stages[i] = static_cast<std::int32_t>(dpi);
  }
}

void ReadLighting(const Json& v, ProfileRecord& r) {
  const Members m(v, "lighting",
                  {"effect", "color", "custom_color", "preset", "always_on_brightness", "breathing_speed",
                   "proximity_sensing"});
  r.led_effect = ByName(m["effect"], m.Field("effect"), LightingEffectFromName, "effect", LightingEffectNames());
  const std::string& color = Text(m["color"], m.Field("color"));
  if (!ParseColorText(color, r.led_color)) Refuse(m.Field("color"), Quoted(color) + " is not a colour #RRGGBB");
  r.led_custom_color = Flag(m["custom_color"], m.Field("custom_color"));
  r.led_preset_index = Ranged(m["preset"], m.Field("preset"), kPresetRange);
  r.led_effect1_level = Ranged(m["always_on_brightness"], m.Field("always_on_brightness"), kBrightnessRange);
  r.led_effect2_level = Ranged(m["breathing_speed"], m.Field("breathing_speed"), kBreathingSpeedRange);
  r.proximity_sensing = Flag(m["proximity_sensing"], m.Field("proximity_sensing"));
}

void ReadPointer(const Json& v, ProfileRecord& r) {
  const Members m(v, "pointer", {"enhance_precision", "speed", "wheel_lines"});
  r.enhance_precision = Flag(m["enhance_precision"], m.Field("enhance_precision"));
  r.pointer_speed = Ranged(m["speed"], m.Field("speed"), kPointerSpeedRange);
  const Json& lines = m["wheel_lines"];
  if (lines.is_string()) {
    if (lines.get<std::string>() != kWheelOneScreenName) {
      Refuse(m.Field("wheel_lines"), "must be 1..30 or \"one screen\", not " + Quoted(lines.get<std::string>()));
    }
    r.wheel_lines = kWheelOneScreen;
  } else {
    r.wheel_lines = Ranged(lines, m.Field("wheel_lines"), kWheelLinesRange);
  }
}

ProfileRecord ReadProfile(const Json& file) {
  const Members m(file, "",
                  {"format", "version", "buttons", "dpi_stages", "report_rate_hz", "lighting", "pointer",
                   "sheight_level"});
  if (!m["format"].is_string() || m["format"].get<std::string>() != kFormat) {
    Refuse("format", "must be \"" + std::string(kFormat) + "\"");
  }
  if (Integer(m["version"], "version", 0, INT32_MAX) != kVersion) {
    Refuse("version", "must be " + std::to_string(kVersion) + "; this file was written by another version");
  }
  // Everything not named below, the unused bytes included, is zero.
  ProfileRecord r;
  std::memset(&r, 0, sizeof r);
  r.record_magic = kRecordMagic;
  std::vector<std::string> buttonNames(kButtonFieldNames.begin(), kButtonFieldNames.end());
  const Members buttons(m["buttons"], "buttons", buttonNames);
  for (int b = 0; b < kButtonCount; ++b) {
    ReadButton(buttons[buttonNames[b]], buttons.Field(buttonNames[b]), r.buttons[b]);
  }
  ReadDpiStages(m["dpi_stages"], r.dpi_stages);
  const std::int64_t hz = Integer(m["report_rate_hz"], "report_rate_hz", 0, INT32_MAX);
  const auto interval = ReportIntervalForHz(hz);
  if (!interval) Refuse("report_rate_hz", std::to_string(hz) + " is not a report rate of the mouse (125, 250, 500, 1000)");
  r.report_interval_ms = *interval;
  ReadLighting(m["lighting"], r);
  ReadPointer(m["pointer"], r);
  r.sheight_level = Ranged(m["sheight_level"], "sheight_level", kSheightRange);
  return r;
}

// How deep arrays and objects nest, strings left out; refused beyond the limit
// before the document is built.
bool NestsTooDeep(std::string_view text) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxNesting) return true;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return false;
}

// The parser's own message, which names the line and column, without its
// exception id.
std::string ParseProblem(const nlohmann::json::parse_error& e) {
  const std::string what = e.what();
  const std::size_t end = what.find("] ");
  return end == std::string::npos ? what : what.substr(end + 2);
}

// A member named twice would otherwise leave only its last value, silently.
class DuplicateWatch {
 public:
  bool operator()(int, nlohmann::json::parse_event_t event, Json& parsed) {
    using Event = nlohmann::json::parse_event_t;
    if (event == Event::object_start || event == Event::array_start) {
      frames_.push_back({event == Event::object_start, {}, {}});
    } else if ((event == Event::object_end || event == Event::array_end) && !frames_.empty()) {
      frames_.pop_back();
    } else if (event == Event::key && !frames_.empty()) {
      const std::string key = parsed.get<std::string>();
      if (!frames_.back().keys.insert(key).second && duplicate_.empty()) duplicate_ = PathTo(key);
      frames_.back().current = key;
    }
    return true;
  }
  const std::string& Duplicate() const { return duplicate_; }

 private:
  struct Frame {
    bool object;
    std::set<std::string> keys;
    std::string current;
  };
  std::string PathTo(const std::string& key) const {
    std::string path;
    for (std::size_t i = 0; i + 1 < frames_.size(); ++i) {
      if (frames_[i].object) path += frames_[i].current + ".";
    }
    return path + key;
  }
  std::vector<Frame> frames_;
  std::string duplicate_;
};

}  // namespace

ProfileJsonRead ProfileFromJson(std::string_view text) {
  ProfileJsonRead result;
  try {
    if (text.size() > kMaxFileBytes) Refuse("", "is larger than any profile file");
    if (NestsTooDeep(text)) Refuse("", "nests lists and objects deeper than a profile file does");
    DuplicateWatch watch;
    Json file;
    try {
      file = Json::parse(text.begin(), text.end(), std::ref(watch));
    } catch (const nlohmann::json::parse_error& e) {
      Refuse("", "is not JSON: " + ParseProblem(e));
    }
    if (!watch.Duplicate().empty()) Refuse(watch.Duplicate(), "appears twice");
    result.record = ReadProfile(file);
  } catch (const Refused& r) {
    result.refusal = r.refusal;
  } catch (const nlohmann::json::exception& e) {
    result.refusal = {"", std::string("cannot be read: ") + e.what()};
  }
  return result;
}

}  // namespace zk40
