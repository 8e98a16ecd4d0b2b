#pragma once
// The stored records of a profile, byte for byte as they are in memory, in a
// ProfileN.cfg, in an exported profile and in ConfigInfo.cfg. Little-endian,
// no padding; every offset is checked at compile time below.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/Utf16Text.h"

namespace zk40 {

static_assert(std::endian::native == std::endian::little,
              "the stored records are little-endian memory images");

inline constexpr std::uint32_t kRecordMagic = 0x80800210;
inline constexpr std::uint32_t kIndexMagic = 0xBEBE;
inline constexpr int kButtonCount = 7;
inline constexpr int kProfileCount = 5;
inline constexpr int kDpiSlots = 8;

struct ButtonAssignment {
  std::int32_t function_type;
  std::uint32_t macro_id;
  std::uint32_t host_action_kind;
  std::uint32_t reserved0;
  std::uint32_t key_combo_code;
  std::int32_t host_action_value;
  char16_t target_path[kTextFieldUnits];
  std::uint32_t reserved1;
  char16_t label[kTextFieldUnits];
  std::uint8_t reserved2[2080];
};

struct ProfileRecord {
  std::uint32_t record_magic;
  ButtonAssignment buttons[kButtonCount];
  std::int32_t dpi_stages[kDpiSlots];
  std::uint8_t reserved[40];
  std::int32_t sheight_level;
  std::int32_t report_interval_ms;
  std::int32_t led_effect;
  std::uint8_t led_color[4];  // red, green, blue, 0
  std::int32_t led_custom_color;
  std::int32_t led_preset_index;
  std::int32_t proximity_sensing;
  std::int32_t enhance_precision;
  std::int32_t pointer_speed;
  std::int32_t led_effect1_level;
  std::int32_t led_effect2_level;
  std::int32_t wheel_lines;  // -1: one screen per notch
};

struct ProfileIndexEntry {
  std::uint32_t index_magic;
  std::uint32_t active;
  std::uint32_t reserved0;
  char16_t reserved_text[kTextFieldUnits];
  char16_t profile_path[kTextFieldUnits];
  char16_t reserved2[kTextFieldUnits];
  std::uint32_t entry_macro_ids[kButtonCount];
};

using ProfileIndex = std::array<ProfileIndexEntry, kProfileCount>;

static_assert(std::is_trivially_copyable_v<ButtonAssignment> &&
              std::is_trivially_copyable_v<ProfileRecord> &&
              std::is_trivially_copyable_v<ProfileIndexEntry>);

static_assert(sizeof(ButtonAssignment) == 3148);
static_assert(offsetof(ButtonAssignment, function_type) == 0);
static_assert(offsetof(ButtonAssignment, macro_id) == 4);
static_assert(offsetof(ButtonAssignment, host_action_kind) == 8);
static_assert(offsetof(ButtonAssignment, key_combo_code) == 16);
static_assert(offsetof(ButtonAssignment, host_action_value) == 20);
static_assert(offsetof(ButtonAssignment, target_path) == 24);
static_assert(offsetof(ButtonAssignment, reserved1) == 544);
static_assert(offsetof(ButtonAssignment, label) == 548);
static_assert(offsetof(ButtonAssignment, reserved2) == 1068);

static_assert(sizeof(ProfileRecord) == 22160);
static_assert(offsetof(ProfileRecord, record_magic) == 0);
static_assert(offsetof(ProfileRecord, buttons) == 4);
static_assert(offsetof(ProfileRecord, dpi_stages) == 22040);
static_assert(offsetof(ProfileRecord, reserved) == 22072);
static_assert(offsetof(ProfileRecord, sheight_level) == 22112);
static_assert(offsetof(ProfileRecord, report_interval_ms) == 22116);
static_assert(offsetof(ProfileRecord, led_effect) == 22120);
static_assert(offsetof(ProfileRecord, led_color) == 22124);
static_assert(offsetof(ProfileRecord, led_custom_color) == 22128);
static_assert(offsetof(ProfileRecord, led_preset_index) == 22132);
static_assert(offsetof(ProfileRecord, proximity_sensing) == 22136);
static_assert(offsetof(ProfileRecord, enhance_precision) == 22140);
static_assert(offsetof(ProfileRecord, pointer_speed) == 22144);
static_assert(offsetof(ProfileRecord, led_effect1_level) == 22148);
static_assert(offsetof(ProfileRecord, led_effect2_level) == 22152);
static_assert(offsetof(ProfileRecord, wheel_lines) == 22156);

static_assert(sizeof(ProfileIndexEntry) == 1600);
static_assert(offsetof(ProfileIndexEntry, index_magic) == 0);
static_assert(offsetof(ProfileIndexEntry, active) == 4);
static_assert(offsetof(ProfileIndexEntry, reserved0) == 8);
static_assert(offsetof(ProfileIndexEntry, reserved_text) == 12);
static_assert(offsetof(ProfileIndexEntry, profile_path) == 532);
static_assert(offsetof(ProfileIndexEntry, reserved2) == 1052);
static_assert(offsetof(ProfileIndexEntry, entry_macro_ids) == 1572);
static_assert(sizeof(ProfileIndex) == 8000);

}  // namespace zk40
