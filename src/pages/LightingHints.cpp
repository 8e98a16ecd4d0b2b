#include "pages/LightingHints.h"

#include "skin/layout/LightingPageLayout.h"

namespace zk40 {
namespace {

namespace lp = layout::lighting_page;

// The layout's effect buttons are in the order effect 4, 3, 5, 2, 1.
const layout::Rect& EffectRect(int effect, bool chinese) {
  for (const lp::EffectButton& button : lp::kEffectButtons) {
    if (button.effect == effect) return button.rect.For(chinese);
  }
  return lp::kEffectButtons[0].rect.For(chinese);
}

layout::Rect RectOf(LightingControl control, bool zh) {
  switch (control) {
    case LightingControl::spe_button: return EffectRect(kEffectSpe, zh);
    case LightingControl::apmbre_button: return EffectRect(kEffectApmbre, zh);
    case LightingControl::off_button: return EffectRect(kEffectOff, zh);
    case LightingControl::breathing_button: return EffectRect(kEffectBreathing, zh);
    case LightingControl::breathing_speed_slider: return lp::kBreathingSpeedSlider.For(zh);
    case LightingControl::always_on_button: return EffectRect(kEffectAlwaysOn, zh);
    case LightingControl::brightness_slider: return lp::kBrightnessSlider.For(zh);
    case LightingControl::proximity_on_button: return lp::kProximityOn.For(zh);
    case LightingControl::proximity_off_button: return lp::kProximityOff.For(zh);
    case LightingControl::colour_preview: return lp::kColorPreview.For(zh);
    case LightingControl::red_slider: return lp::kColorSliders[0].For(zh);
    case LightingControl::green_slider: return lp::kColorSliders[1].For(zh);
    case LightingControl::blue_slider: return lp::kColorSliders[2].For(zh);
    case LightingControl::lighting_label: return lp::kLightingLabel;
    case LightingControl::proximity_label: return lp::kProximityLabel.For(zh);
    case LightingControl::colour_setting_label: return lp::kColorSettingLabel.For(zh);
    case LightingControl::current_colour_label: return lp::kCurrentColorLabel;
    case LightingControl::preset_colours_label: return lp::kPresetColorLabel;
    case LightingControl::custom_colour_label: return lp::kCustomColorLabel;
  }
  return {};
}

}  // namespace

std::array<HintArea, kLightingHintControls> LightingHintAreas(bool chinese) {
  std::array<HintArea, kLightingHintControls> areas{};
  for (int i = 0; i < kLightingHintControls; ++i) {
    const auto control = static_cast<LightingControl>(i);
    areas[static_cast<std::size_t>(i)] = {PageRectOf(RectOf(control, chinese)), LightingHint(control)};
  }
  return areas;
}

}  // namespace zk40
