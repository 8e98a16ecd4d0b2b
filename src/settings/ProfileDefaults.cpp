#include "settings/ProfileDefaults.h"

#include <cstring>

#include "settings/SettingsTables.h"

namespace zk40 {

void FillProfileDefaults(ProfileRecord& record, bool uiIsChinese) {
  std::memset(&record, 0, sizeof record);
  record.record_magic = kRecordMagic;
  for (int b = 0; b < kButtonCount; ++b) {
    ButtonAssignment& button = record.buttons[b];
    button.function_type = kFactoryFunctionTypes[static_cast<std::size_t>(b)];
    button.macro_id = 0;
    const LabelPair& name = kFactoryLabelPairs[static_cast<std::size_t>(b)];
    StoreFixedText(button.label, uiIsChinese ? name.chinese : name.english);
  }
  static constexpr std::int32_t kDefaultStages[] = {750, 1000, 1500, 2000, 3000};
  std::memcpy(record.dpi_stages, kDefaultStages, sizeof kDefaultStages);
  record.sheight_level = 15;
  record.report_interval_ms = 1;
  record.led_effect = 4;
  record.led_color[0] = 255;
  record.led_custom_color = 1;
  record.led_preset_index = 0;
  record.proximity_sensing = 1;
  record.enhance_precision = 0;
  record.pointer_speed = 10;
  record.led_effect1_level = 5;
  record.led_effect2_level = 3;
  record.wheel_lines = 3;
}

}  // namespace zk40
