#include "pages/LightingPage.h"

#include <algorithm>

namespace zk40 {
namespace {

std::uint32_t RecordColour(const ProfileRecord& record) { return ColourRefOf(record.led_color); }

}  // namespace

void LightingPage::SetValuesFromColour(std::uint32_t colourRef) {
  values_ = {ChannelOf(colourRef, ColourChannel::red), ChannelOf(colourRef, ColourChannel::green),
             ChannelOf(colourRef, ColourChannel::blue)};
}

void LightingPage::ShowValuesOnSliders() {
  for (std::size_t c = 0; c < 3; ++c) view_.colour_sliders[c].position = values_[c];
}

void LightingPage::ShowValuesInFields() { view_.number_fields = values_; }

void LightingPage::EnableColourControls(bool enabled) {
  for (SwatchView& swatch : view_.swatches) swatch = {false, enabled};
  if (enabled) {
    SetValuesFromColour(RecordColour(record_));
  } else {
    values_ = {0, 0, 0};
  }
  ShowValuesOnSliders();
  for (SliderView& slider : view_.colour_sliders) slider.enabled = enabled;
  colour_enabled_ = enabled;
  view_.colour_controls_enabled = enabled;
  ShowValuesInFields();
}

void LightingPage::Refresh() {
  const int effect = record_.led_effect;
  // An effect outside 1..5 leaves the buttons, sliders and colour controls as they are.
  if (effect >= kEffectAlwaysOn && effect <= kEffectOff) {
    view_.effect_on.fill(false);
    view_.effect_on[static_cast<std::size_t>(effect - 1)] = true;
    view_.brightness.enabled = effect == kEffectAlwaysOn;
    view_.breathing_speed.enabled = effect == kEffectBreathing;
    view_.colour_controls_enabled = effect == kEffectAlwaysOn || effect == kEffectBreathing;
  }
  EnableColourControls(view_.colour_controls_enabled);

  view_.proximity_on = record_.proximity_sensing != 0;
  // A disabled slider keeps showing its level, so switching back shows it unchanged.
  view_.breathing_speed.position = record_.led_effect2_level;
  view_.brightness.position = record_.led_effect1_level;

  for (SwatchView& swatch : view_.swatches) swatch.selected = false;
  if (record_.led_custom_color == 0) {
    // An index outside the table (a negative one too) reads as the first swatch.
    if (record_.led_preset_index < 0 || record_.led_preset_index >= kPresetColourCount) {
      record_.led_preset_index = 0;
    }
    view_.swatches[static_cast<std::size_t>(record_.led_preset_index)].selected = true;
    SetValuesFromColour(RecordColour(record_));
    ShowValuesOnSliders();
  }
  view_.preview = RecordColour(record_);
}

void LightingPage::OnEffectButton(int effect) {
  record_.led_effect = effect;
  Refresh();
}

void LightingPage::OnProximityButton(bool on) {
  record_.proximity_sensing = on ? 1 : 0;
  Refresh();
}

void LightingPage::OnPresetSwatch(int k) {
  if (k < 0 || k >= kPresetColourCount) return;
  StoreColourRef(record_.led_color, kPresetColours[static_cast<std::size_t>(k)]);
  record_.led_preset_index = k;
  record_.led_custom_color = 0;
  Refresh();
}

void LightingPage::OnSliderMoved(int position, int sliderId) {
  switch (sliderId) {
    case kBrightnessSliderId:
      record_.led_effect1_level = std::clamp(position, 1, kBrightnessLevels);
      view_.brightness.position = record_.led_effect1_level;
      return;
    case kBreathingSpeedSliderId:
      record_.led_effect2_level = std::clamp(position, 1, kBreathingSpeedLevels);
      view_.breathing_speed.position = record_.led_effect2_level;
      return;
    case kRedSliderId:
    case kGreenSliderId:
    case kBlueSliderId:
      break;
    default:
      return;
  }
  const auto channel = static_cast<ColourChannel>(sliderId - kRedSliderId);
  const auto value = static_cast<std::uint8_t>(std::clamp(position, 0, 255));
  values_[static_cast<std::size_t>(channel)] = value;
  view_.colour_sliders[static_cast<std::size_t>(channel)].position = value;
  ReplaceChannel(record_.led_color, channel, value);
  view_.preview = RecordColour(record_);
  record_.led_custom_color = 1;
  ShowValuesInFields();
  for (SwatchView& swatch : view_.swatches) swatch.selected = false;
}

bool LightingPage::OnColourWheelClick(std::uint32_t colourRef) {
  if (!colour_enabled_ || colourRef > 0xFFFFFF) return false;
  record_.led_custom_color = 1;
  StoreColourRef(record_.led_color, colourRef);
  SetValuesFromColour(colourRef);
  ShowValuesOnSliders();
  view_.preview = colourRef;
  ShowValuesInFields();
  return true;
}

bool InsideEllipse(int left, int top, int right, int bottom, int x, int y) {
  const double rx = (right - left) / 2.0;
  const double ry = (bottom - top) / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (x + 0.5 - (left + rx)) / rx;
  const double dy = (y + 0.5 - (top + ry)) / ry;
  return dx * dx + dy * dy <= 1.0;
}

}  // namespace zk40
