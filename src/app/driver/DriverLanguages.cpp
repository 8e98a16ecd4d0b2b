#include "app/driver/DriverLanguages.h"

#include <array>
#include <string_view>

#include "framework/Gdi.h"
#include "platform/WideText_win32.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {
namespace {

constexpr std::array<std::u16string_view, 12> kLanguageFiles{
    u"sc.xml", u"en.xml", u"fre.xml", u"kor.xml", u"ger.xml", u"ita.xml",
    u"span.xml", u"dutch.xml", u"pt.xml", u"rus.xml", u"ukr.xml", u"tw.xml"};

struct HintRange {
  int first;
  std::initializer_list<const char*> keys;
};

const std::array<HintRange, 6>& HintRanges() {
  static const std::array<HintRange, 6> ranges{{
      {1, {"str_main", "str_led_title", "str_macro_manager", "str_sts", "str_about", "str_profile1", "str_profile2",
           "str_profile3", "str_profile4", "str_profile5", "str_ok", "str_dpiwant", "str_mouseSpeed",
           "str_improveAccuracy", "str_sheight", "str_rollingrate", "str_rollerColumn", "str_rollerScreen"}},
      {26, {"str_ledspe", "str_led_apmbre", "str_led_off", "str_led_norbre"}},
      {31, {"str_led_brealways", "str_led_brightness"}},
      {37, {"str_led_body_on", "str_led_body_off", "str_led_custom", "str_new_macro", "str_del_macro",
            "str_macro_new", "str_macro_del", "str_macro_modify", "str_macro_start", "str_macro_end",
            "str_macro_delay", "str_macro_loop", "str_click", "str_middle", "str_menu", "str_macro_msg6",
            "str_macro_msg7", "str_cups", "str_resetSts", "str_update", "str_ostrelWeb", "str_importFile",
            "str_exportFile", "str_defaultname"}},
      {61, {"str_dpi_setting", "str_sensor", "str_usbrate", "str_windows_scroll", "str_mouse_key"}},
      {75, {"str_backlight", "str_breath_speed"}},
  }};
  return ranges;
}

constexpr std::array<const char*, 11> kHints80{
    "str_proximity_sensing", "str_color_setting", "str_cur_color", "str_choose_color", "str_preset_color",
    "str_custom_color", "str_macro_choose", "str_marco_list", "str_key_list", "str_driver_version",
    "str_firmware_version"};

}  // namespace

bool IsKnownLanguage(int language) { return language >= 1 && language <= static_cast<int>(kLanguageFiles.size()); }

std::u16string LanguageFilePath(const std::u16string& installFolder, int language) {
  if (!IsKnownLanguage(language)) return std::u16string();
  return installFolder + u"\\Language\\" + std::u16string(kLanguageFiles[static_cast<std::size_t>(language - 1)]);
}

std::u16string HintText(const StringTable& strings, int hint) {
  for (const HintRange& range : HintRanges()) {
    const int offset = hint - range.first;
    if (offset >= 0 && offset < static_cast<int>(range.keys.size())) return strings.Get(*(range.keys.begin() + offset));
  }
  if (hint >= 80 && hint < 80 + static_cast<int>(kHints80.size())) {
    return strings.Get(kHints80[static_cast<std::size_t>(hint - 80)]);
  }
  return std::u16string();
}

void DrawHintText(HDC dc, const std::u16string& text) {
  namespace main = layout::main_window;
  Font font(CreateFontW(14, 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg"));
  SelectInDC select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(main::kHintText.r, main::kHintText.g, main::kHintText.b));
  RECT rect{main::kHintLine.left, main::kHintLine.top, main::kHintLine.right, main::kHintLine.bottom};
  std::u16string copy = text;
  DrawTextW(dc, reinterpret_cast<wchar_t*>(copy.data()), static_cast<int>(copy.size()), &rect,
            DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS);
}

}  // namespace zk40
