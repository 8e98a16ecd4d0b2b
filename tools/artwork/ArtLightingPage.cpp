// The lighting page: effects with their speed and brightness, proximity
// sensing, the current colour, 26 presets, the red, green and blue sliders
// and the colour wheel.

#include "Art.h"
#include "ColorWheel.h"
#include "Theme.h"
#include "skin/layout/LightingPageLayout.h"
#include "skin/layout/SkinFiles.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace lp = layout::lighting_page;

constexpr int kThumb = layout::kSliderThumb.size.height;

void Swatch(cairo_t* cr, Rect r, Rgb color, Look look) {
  const Rect inner = r.Inflate(-3);
  if (look != Look::kNormal) {
    FillRoundRect(cr, r, 4, look == Look::kDown ? kAccentBright : Rgb{235, 240, 245});
    FillRoundRect(cr, r.Inflate(-2), 3, kWindow);
  }
  FillRoundRect(cr, inner, 3, color);
  // A soft shine on the upper half.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, inner.top, 0, inner.bottom);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.28);
  cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
  cairo_set_source(cr, p);
  RoundedRectPath(cr, inner.left, inner.top, inner.Width(), inner.Height(), 3);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  StrokeRoundRect(cr, inner, 3, Rgb{0, 0, 0}, 0.35);
  if (look == Look::kDown) {
    const bool light = color.r * 0.3 + color.g * 0.59 + color.b * 0.11 > 150;
    DrawGlyph(cr, Glyph::kCheck, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, 11,
              light ? Rgb{10, 12, 15} : Rgb{255, 255, 255}, 2);
  }
}

}  // namespace

void PaintLightingPage(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  const bool zh = w.Chinese();
  PageGround(cr, {0, 0, c.Width(), c.Height()});

  // Effects, proximity: a band across the top.
  Card(cr, {12, 14, 913, zh ? 158 : 166}, kCard);
  Card(cr, {12, zh ? 164 : 174, 913, 440}, kCard);
  SectionTitleArea(cr, lp::kLightingLabel, w["lighting"], look, 0, zh);
  const char* effect_keys[] = {"str_ledspe", "str_led_apmbre", "str_led_off", "str_led_norbre", "str_led_brealways"};
  for (int i = 0; i < 5; ++i) {
    const Rect r = lp::kEffectButtons[i].rect.For(zh);
    ClipScope clip(cr, r);
    OptionButton(cr, r, look, w[effect_keys[i]], 12);
  }
  const Rect speed = lp::kBreathingSpeedSlider.For(zh), brightness = lp::kBrightnessSlider.For(zh);
  const int label_right = speed.left - 14;
  Label(cr, {label_right - 110, speed.top - 4, label_right, speed.bottom + 4}, w["speed"], kTextMuted, 11, Align::kRight);
  Label(cr, {label_right - 110, brightness.top - 4, label_right, brightness.bottom + 4}, w["brightness"], kTextMuted, 11,
        Align::kRight);
  SliderGroove(cr, speed, kThumb, 5);
  SliderGroove(cr, brightness, kThumb, 10);

  HLine(cr, 21, 904, zh ? 129 : 125, kLineSoft);
  const Rect on = lp::kProximityOn.For(zh), off = lp::kProximityOff.For(zh);
  // The title sits on the buttons' row; its hint area stays plain.
  SectionTitle(cr, {21, on.top - 2, 190, on.bottom + 2}, w["proximity"], Look::kNormal, 0, zh);
  for (const auto& [r, key] : {std::pair{on, "on"}, std::pair{off, "off"}}) {
    ClipScope clip(cr, r);
    OptionButton(cr, r, look, w[key], 12);
  }

  // Colour.
  SectionTitleArea(cr, lp::kColorSettingLabel.For(zh), w["colour"], look, 904, zh);
  {
    ClipScope clip(cr, lp::kCurrentColorLabel);
    Label(cr, lp::kCurrentColorLabel, w["current_colour"], look == Look::kNormal ? kText : kTextStrong, 12);
  }
  const Rect preview = lp::kColorPreview.For(zh);
  FillRoundRect(cr, preview.Inflate(3), 3, kInset);
  StrokeRoundRect(cr, preview.Inflate(3), 3, kLine);
  FillRect(cr, preview, Rgb::FromColorRef(lp::kPresetColors[0]));
  {
    ClipScope clip(cr, lp::kPresetColorLabel);
    Label(cr, lp::kPresetColorLabel, w["presets"], look == Look::kNormal ? kText : kTextStrong, 12);
  }
  for (int k = 0; k < lp::kPresetCount; ++k) {
    const Rect r = lp::PresetSwatch(k, zh);
    ClipScope clip(cr, r);
    Swatch(cr, r, Rgb::FromColorRef(lp::kPresetColors[k]), look);
  }
  {
    ClipScope clip(cr, lp::kCustomColorLabel);
    Label(cr, lp::kCustomColorLabel, w["custom"], look == Look::kNormal ? kText : kTextStrong, 12);
  }
  const Rgb ramp_ends[] = {{255, 40, 40}, {40, 230, 80}, {40, 120, 255}};
  const char* channel_names[] = {"R", "G", "B"};
  for (int i = 0; i < 3; ++i) {
    const Rect s = lp::kColorSliders[i].For(zh);
    ColorRampGroove(cr, s, kThumb, Rgb{20, 22, 26}, ramp_ends[i]);
    const int cy = s.bottom - kThumb / 2;
    Label(cr, {s.left - 26, cy - 9, s.left - 10, cy + 9}, channel_names[i], ramp_ends[i], 12, Align::kRight);
    Field(cr, lp::kColorFields[i].Inflate(1));
  }
  PaintColorWheel(c, lp::kColorWheel);
}

}  // namespace zk40::art
