#pragma once
// The decisions of the lighting page: what each button, slider and colour
// wheel click does to the lighting fields of the current profile record, and
// what every control shows after a refresh. The Win32 page draws the view
// and routes input here; it keeps no lighting state of its own.

#include <array>
#include <cstdint>

#include "pages/LightingColours.h"
#include "settings/ProfileLayout.h"

namespace zk40 {

// led_effect values.
inline constexpr int kEffectAlwaysOn = 1;
inline constexpr int kEffectBreathing = 2;
inline constexpr int kEffectApmbre = 3;  // the button with the tooltip str_led_apmbre
inline constexpr int kEffectSpe = 4;     // the button with the tooltip str_ledspe
inline constexpr int kEffectOff = 5;

// Control ids of the page's sliders; message 2048 carries them in lParam.
inline constexpr int kRedSliderId = 769;
inline constexpr int kGreenSliderId = 770;
inline constexpr int kBlueSliderId = 771;
inline constexpr int kRedFieldId = 772;
inline constexpr int kGreenFieldId = 773;
inline constexpr int kBlueFieldId = 774;
inline constexpr int kBrightnessSliderId = 777;
inline constexpr int kBreathingSpeedSliderId = 778;

inline constexpr int kBrightnessLevels = 10;     // led_effect1_level 1..10
inline constexpr int kBreathingSpeedLevels = 5;  // led_effect2_level 1..5

struct SliderView {
  bool enabled = true;
  int position = 0;
};

struct SwatchView {
  bool selected = false;
  bool enabled = true;
};

// What the page's controls show.
struct LightingView {
  // By led_effect - 1: the effect button that is on.
  std::array<bool, 5> effect_on{};
  SliderView brightness{true, 1};
  SliderView breathing_speed{true, 1};
  // The swatches, the colour sliders and the wheel.
  bool colour_controls_enabled = true;
  std::array<SliderView, 3> colour_sliders{};  // red, green, blue
  std::array<int, 3> number_fields{};          // red, green, blue, in decimal
  std::array<SwatchView, kPresetColourCount> swatches{};
  bool proximity_on = false;  // the on button; the off button shows the opposite
  std::uint32_t preview = 0;  // COLORREF of the colour preview
};

class LightingPage {
 public:
  explicit LightingPage(ProfileRecord& record) : record_(record) {}

  // Shows every control from the lighting fields again. Called by the main
  // window when the page is shown or the record reloaded, and after each
  // effect, proximity and preset button.
  void Refresh();

  // effect is 1..5 as the effect buttons set it.
  void OnEffectButton(int effect);
  void OnProximityButton(bool on);
  // k is the swatch's index 0..25; others are ignored.
  void OnPresetSwatch(int k);
  // Message 2048: a slider moved. Unknown ids change nothing.
  void OnSliderMoved(int position, int sliderId);

  // While this is true the colour wheel picks colours (and shows the cross cursor).
  bool ColourWheelEnabled() const { return colour_enabled_; }
  // A left click inside the wheel that read pixel colour colourRef. Picking
  // only happens while the wheel is enabled and the colour is a real one (the
  // system reports an unreadable pixel as 0xFFFFFFFF). True when picked.
  bool OnColourWheelClick(std::uint32_t colourRef);

  const LightingView& View() const { return view_; }
  // The red, green and blue values the page holds.
  const std::array<int, 3>& Values() const { return values_; }

 private:
  void SetValuesFromColour(std::uint32_t colourRef);
  void ShowValuesOnSliders();
  void ShowValuesInFields();
  void EnableColourControls(bool enabled);

  ProfileRecord& record_;
  LightingView view_;
  std::array<int, 3> values_{};
  bool colour_enabled_ = true;
};

// The page's controls that show a hint, in the order the hint test takes
// them; the swatches and the number fields have none.
enum class LightingControl {
  spe_button,
  apmbre_button,
  off_button,
  breathing_button,
  breathing_speed_slider,
  always_on_button,
  brightness_slider,
  proximity_on_button,
  proximity_off_button,
  colour_preview,
  red_slider,
  green_slider,
  blue_slider,
  lighting_label,
  proximity_label,
  colour_setting_label,
  current_colour_label,
  preset_colours_label,
  custom_colour_label,
};
inline constexpr int kLightingHintControls = 19;

// Hint numbers by LightingControl.
inline constexpr std::array<int, kLightingHintControls> kLightingHints = {
    26, 27, 28, 29, 76, 31, 32, 37, 38, 83, 39, 39, 39, 75, 80, 81, 82, 84, 85};

inline constexpr int LightingHint(LightingControl control) {
  return kLightingHints[static_cast<std::size_t>(control)];
}

// True when the pixel (x, y) lies in the ellipse inscribed in the rectangle
// left..right, top..bottom (right and bottom exclusive), judged at the
// pixel's centre.
bool InsideEllipse(int left, int top, int right, int bottom, int x, int y);

}  // namespace zk40
