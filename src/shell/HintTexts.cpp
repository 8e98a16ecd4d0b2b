#include "shell/HintTexts.h"

#include <algorithm>
#include <array>

namespace zk40 {

namespace {

struct HintEntry {
  int hint;
  std::string_view key;
};

// Sorted by hint number; the numbers between the runs have no text.
constexpr std::array<HintEntry, 66> kHints = {{
    {1, "str_main"}, {2, "str_led_title"}, {3, "str_macro_manager"}, {4, "str_sts"}, {5, "str_about"},
    {6, "str_profile1"}, {7, "str_profile2"}, {8, "str_profile3"}, {9, "str_profile4"}, {10, "str_profile5"},
    {11, "str_ok"}, {12, "str_dpiwant"}, {13, "str_mouseSpeed"}, {14, "str_improveAccuracy"}, {15, "str_sheight"},
    {16, "str_rollingrate"}, {17, "str_rollerColumn"}, {18, "str_rollerScreen"}, {26, "str_ledspe"},
    {27, "str_led_apmbre"}, {28, "str_led_off"}, {29, "str_led_norbre"}, {31, "str_led_brealways"},
    {32, "str_led_brightness"}, {37, "str_led_body_on"}, {38, "str_led_body_off"}, {39, "str_led_custom"},
    {40, "str_new_macro"}, {41, "str_del_macro"}, {42, "str_macro_new"}, {43, "str_macro_del"},
    {44, "str_macro_modify"}, {45, "str_macro_start"}, {46, "str_macro_end"}, {47, "str_macro_delay"},
    {48, "str_macro_loop"}, {49, "str_click"}, {50, "str_middle"}, {51, "str_menu"}, {52, "str_macro_msg6"},
    {53, "str_macro_msg7"}, {54, "str_cups"}, {55, "str_resetSts"}, {56, "str_update"}, {57, "str_ostrelWeb"},
    {58, "str_importFile"}, {59, "str_exportFile"}, {60, "str_defaultname"}, {61, "str_dpi_setting"},
    {62, "str_sensor"}, {63, "str_usbrate"}, {64, "str_windows_scroll"}, {65, "str_mouse_key"},
    {75, "str_backlight"}, {76, "str_breath_speed"}, {80, "str_proximity_sensing"}, {81, "str_color_setting"},
    {82, "str_cur_color"}, {83, "str_choose_color"}, {84, "str_preset_color"}, {85, "str_custom_color"},
    {86, "str_macro_choose"}, {87, "str_marco_list"}, {88, "str_key_list"}, {89, "str_driver_version"},
    {90, "str_firmware_version"},
}};

}  // namespace

std::string_view HintKey(int hint) {
  const auto found = std::lower_bound(kHints.begin(), kHints.end(), hint,
                                      [](const HintEntry& entry, int wanted) { return entry.hint < wanted; });
  return found != kHints.end() && found->hint == hint ? found->key : std::string_view{};
}

std::u16string HintText(const StringTable& strings, int hint) {
  const std::string_view key = HintKey(hint);
  return key.empty() ? std::u16string{} : strings.Get(key);
}

}  // namespace zk40
