#include <gtest/gtest.h>

#include <cstring>

#include "pages/LightingHints.h"
#include "pages/LightingPage.h"
#include "settings/ProfileDefaults.h"
#include "shell/HintTargets.h"

namespace zk40 {
namespace {

class LightingPageTest : public ::testing::Test {
 protected:
  void SetUp() override { FillProfileDefaults(record, false); }

  std::uint32_t Colour() const { return ColourRefOf(record.led_color); }
  int SelectedSwatches() const {
    int n = 0;
    for (const SwatchView& s : page.View().swatches) n += s.selected ? 1 : 0;
    return n;
  }

  ProfileRecord record{};
  LightingPage page{record};
};

TEST_F(LightingPageTest, BreathingDisablesTheBrightnessSliderButKeepsItsPosition) {
  record.led_effect1_level = 7;
  record.led_effect2_level = 4;
  page.OnEffectButton(kEffectBreathing);
  EXPECT_EQ(record.led_effect, 2);
  const LightingView& view = page.View();
  EXPECT_TRUE(view.effect_on[1]);
  EXPECT_FALSE(view.brightness.enabled);
  EXPECT_EQ(view.brightness.position, 7);
  EXPECT_TRUE(view.breathing_speed.enabled);
  EXPECT_EQ(view.breathing_speed.position, 4);
  EXPECT_TRUE(view.colour_controls_enabled);

  page.OnEffectButton(kEffectAlwaysOn);
  EXPECT_TRUE(page.View().brightness.enabled);
  EXPECT_EQ(page.View().brightness.position, 7);
  EXPECT_FALSE(page.View().breathing_speed.enabled);
  EXPECT_EQ(page.View().effect_on, (std::array<bool, 5>{true, false, false, false, false}));
}

TEST_F(LightingPageTest, TheOtherEffectsDisableBothSlidersAndTheColourControls) {
  for (int effect : {kEffectApmbre, kEffectSpe, kEffectOff}) {
    page.OnEffectButton(effect);
    const LightingView& view = page.View();
    EXPECT_TRUE(view.effect_on[static_cast<std::size_t>(effect - 1)]) << effect;
    EXPECT_FALSE(view.brightness.enabled);
    EXPECT_FALSE(view.breathing_speed.enabled);
    EXPECT_FALSE(view.colour_controls_enabled);
    EXPECT_FALSE(page.ColourWheelEnabled());
    for (const SliderView& s : view.colour_sliders) EXPECT_EQ(s.position, 0);
    EXPECT_EQ(view.number_fields, (std::array<int, 3>{0, 0, 0}));
    for (const SwatchView& s : view.swatches) EXPECT_FALSE(s.enabled);
    // The record keeps its colour; only the controls show nothing.
    EXPECT_EQ(view.preview, 0x0000FFu);
  }
}

TEST_F(LightingPageTest, AnUnknownEffectLeavesTheControlsAsTheyWere) {
  page.OnEffectButton(kEffectOff);
  record.led_effect = 9;
  record.led_effect1_level = 2;
  page.Refresh();
  const LightingView& view = page.View();
  EXPECT_TRUE(view.effect_on[4]);
  EXPECT_FALSE(view.brightness.enabled);
  EXPECT_FALSE(view.colour_controls_enabled);
  EXPECT_FALSE(page.ColourWheelEnabled());
  // Positions still follow the record.
  EXPECT_EQ(view.brightness.position, 2);
}

TEST_F(LightingPageTest, APresetThenTheGreenSliderKeepsRedAndBlueAndMarksTheColourCustom) {
  page.OnEffectButton(kEffectAlwaysOn);
  page.OnPresetSwatch(0);  // 250, 5, 126
  EXPECT_EQ(record.led_custom_color, 0);
  EXPECT_EQ(record.led_preset_index, 0);
  EXPECT_TRUE(page.View().swatches[0].selected);
  EXPECT_EQ(page.View().number_fields, (std::array<int, 3>{250, 5, 126}));

  page.OnSliderMoved(200, kGreenSliderId);
  EXPECT_EQ(record.led_color[0], 250);
  EXPECT_EQ(record.led_color[1], 200);
  EXPECT_EQ(record.led_color[2], 126);
  EXPECT_EQ(record.led_custom_color, 1);
  EXPECT_EQ(page.View().preview, 0x7EC8FAu);
  EXPECT_EQ(page.View().number_fields, (std::array<int, 3>{250, 200, 126}));
  EXPECT_EQ(SelectedSwatches(), 0);

  page.Refresh();
  EXPECT_EQ(SelectedSwatches(), 0);
  EXPECT_EQ(page.View().colour_sliders[1].position, 200);
}

TEST_F(LightingPageTest, EachColourSliderReplacesOnlyItsOwnByte) {
  StoreColourRef(record.led_color, 0xAA112233);
  page.OnSliderMoved(0x44, kRedSliderId);
  EXPECT_EQ(Colour(), 0xAA112244u);
  page.OnSliderMoved(0x55, kGreenSliderId);
  EXPECT_EQ(Colour(), 0xAA115544u);
  page.OnSliderMoved(0x66, kBlueSliderId);
  EXPECT_EQ(Colour(), 0xAA665544u);
  EXPECT_EQ(page.Values(), (std::array<int, 3>{0x44, 0x55, 0x66}));
  // A position outside the slider's range never spills into the next byte.
  page.OnSliderMoved(300, kRedSliderId);
  EXPECT_EQ(Colour(), 0xAA6655FFu);
}

TEST_F(LightingPageTest, TheLevelSlidersChangeOnlyTheirLevel) {
  const ProfileRecord before = record;
  page.OnSliderMoved(9, kBrightnessSliderId);
  page.OnSliderMoved(2, kBreathingSpeedSliderId);
  page.OnSliderMoved(5, 999);
  EXPECT_EQ(record.led_effect1_level, 9);
  EXPECT_EQ(record.led_effect2_level, 2);
  ProfileRecord expected = before;
  expected.led_effect1_level = 9;
  expected.led_effect2_level = 2;
  EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
}

TEST_F(LightingPageTest, AStoredPresetIndexOutsideTheTableReadsAsTheFirstSwatch) {
  record.led_effect = kEffectAlwaysOn;
  for (int stored : {30, 26, -1}) {
    record.led_custom_color = 0;
    record.led_preset_index = stored;
    page.Refresh();
    EXPECT_EQ(record.led_preset_index, 0) << stored;
    EXPECT_TRUE(page.View().swatches[0].selected) << stored;
    EXPECT_EQ(SelectedSwatches(), 1);
  }
  // A custom colour leaves the index alone.
  record.led_custom_color = 1;
  record.led_preset_index = 30;
  page.Refresh();
  EXPECT_EQ(record.led_preset_index, 30);
  EXPECT_EQ(SelectedSwatches(), 0);
}

TEST_F(LightingPageTest, WithTheEffectOffAClickOnTheWheelDoesNothing) {
  page.OnEffectButton(kEffectOff);
  const ProfileRecord before = record;
  EXPECT_FALSE(page.OnColourWheelClick(0x123456));
  EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST_F(LightingPageTest, AWheelClickTakesThePixelsColourAndKeepsTheSwatches) {
  page.OnEffectButton(kEffectBreathing);
  page.OnPresetSwatch(3);
  ASSERT_TRUE(page.OnColourWheelClick(0x00C08040));
  EXPECT_EQ(Colour(), 0x00C08040u);
  EXPECT_EQ(record.led_custom_color, 1);
  EXPECT_EQ(page.View().number_fields, (std::array<int, 3>{0x40, 0x80, 0xC0}));
  EXPECT_EQ(page.View().colour_sliders[2].position, 0xC0);
  EXPECT_EQ(page.View().preview, 0x00C08040u);
  EXPECT_TRUE(page.View().swatches[3].selected);
}

TEST_F(LightingPageTest, AnUnreadablePixelIsNotTakenAsAColour) {
  page.OnEffectButton(kEffectAlwaysOn);
  const std::uint32_t before = Colour();
  EXPECT_FALSE(page.OnColourWheelClick(0xFFFFFFFF));
  EXPECT_EQ(Colour(), before);
}

TEST_F(LightingPageTest, ProximityButtonsSetTheFlagAndShowIt) {
  page.OnProximityButton(false);
  EXPECT_EQ(record.proximity_sensing, 0);
  EXPECT_FALSE(page.View().proximity_on);
  page.OnProximityButton(true);
  EXPECT_EQ(record.proximity_sensing, 1);
  EXPECT_TRUE(page.View().proximity_on);
}

TEST(LightingColoursTest, EveryPresetHasTheRedGreenAndBlueOfItsSwatch) {
  // The red, green and blue of each swatch as the user sees it.
  constexpr std::array<std::array<int, 3>, kPresetColourCount> rgb = {{
      {250, 5, 126}, {250, 18, 0},   {248, 121, 1},  {249, 237, 0},  {193, 240, 9},  {39, 249, 0},
      {24, 164, 42}, {19, 231, 147}, {13, 233, 223}, {1, 193, 250},  {5, 142, 250},  {0, 111, 249},
      {36, 0, 248},  {90, 24, 227},  {127, 27, 226}, {193, 24, 226}, {230, 250, 84}, {0, 185, 48},
      {250, 99, 125}, {196, 59, 35}, {222, 3, 22},   {23, 122, 173}, {0, 185, 18},   {74, 90, 192},
      {111, 78, 238}, {1, 84, 185}}};
  for (std::size_t k = 0; k < rgb.size(); ++k) {
    const std::uint32_t c = kPresetColours[k];
    EXPECT_EQ(ChannelOf(c, ColourChannel::red), rgb[k][0]) << k;
    EXPECT_EQ(ChannelOf(c, ColourChannel::green), rgb[k][1]) << k;
    EXPECT_EQ(ChannelOf(c, ColourChannel::blue), rgb[k][2]) << k;
  }
}

TEST(LightingColoursTest, APresetIsStoredAsRedGreenBlueZero) {
  ProfileRecord record{};
  LightingPage page(record);
  record.led_effect = kEffectAlwaysOn;
  page.OnPresetSwatch(25);
  EXPECT_EQ(record.led_color[0], 1);
  EXPECT_EQ(record.led_color[1], 84);
  EXPECT_EQ(record.led_color[2], 185);
  EXPECT_EQ(record.led_color[3], 0);
  EXPECT_EQ(record.led_preset_index, 25);
  page.OnPresetSwatch(26);  // not a swatch
  EXPECT_EQ(record.led_preset_index, 25);
}

TEST(ColourWheelTest, OnlyPointsInsideTheEllipseCount) {
  // The page's wheel: the ellipse inscribed in 771,264-891,383.
  const auto inside = [](int x, int y) { return InsideEllipse(771, 264, 891, 383, x, y); };
  EXPECT_TRUE(inside(831, 323));
  EXPECT_TRUE(inside(772, 323));
  EXPECT_TRUE(inside(890, 323));
  EXPECT_TRUE(inside(831, 264));
  EXPECT_TRUE(inside(831, 382));
  EXPECT_FALSE(inside(770, 323));
  EXPECT_FALSE(inside(891, 323));
  EXPECT_FALSE(inside(831, 383));
  // The bitmap's corners lie outside.
  for (auto [x, y] : {std::pair{771, 264}, {890, 264}, {771, 382}, {890, 382}, {785, 278}}) {
    EXPECT_FALSE(inside(x, y)) << x << "," << y;
  }
  EXPECT_FALSE(InsideEllipse(10, 10, 10, 20, 10, 15));
}

TEST(HintTargetsTest, RectanglesGrowByOnePixelAndTheFirstInOrderWins) {
  const HintTarget targets[] = {{10, 10, 20, 20, 26}, {15, 15, 40, 40, 27}};
  EXPECT_EQ(HintAt(targets, 9, 9), 26);
  EXPECT_EQ(HintAt(targets, 20, 20), 26);
  EXPECT_EQ(HintAt(targets, 21, 21), 27);
  EXPECT_EQ(HintAt(targets, 40, 40), 27);
  EXPECT_EQ(HintAt(targets, 41, 30), std::nullopt);
  EXPECT_EQ(HintAt(targets, 8, 12), std::nullopt);
  EXPECT_EQ(LightingHint(LightingControl::blue_slider), 39);
  EXPECT_EQ(LightingHint(LightingControl::custom_colour_label), 85);
}

TEST(LightingHintsTest, EachControlShowsItsOwnHintInBothLayoutsAndTheWheelNone) {
  for (const bool chinese : {false, true}) {
    const auto areas = LightingHintAreas(chinese);
    for (int i = 0; i < kLightingHintControls; ++i) {
      const PageRect& r = areas[static_cast<std::size_t>(i)].rect;
      ASSERT_LT(r.left, r.right) << i;
      const PagePoint centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      const std::vector<int> hints = HintsAt(areas, centre);
      ASSERT_EQ(hints.size(), 1u) << "control " << i << (chinese ? " (Chinese)" : "");
      EXPECT_EQ(hints[0], LightingHint(static_cast<LightingControl>(i))) << i;
    }
    EXPECT_TRUE(HintsAt(areas, PagePoint{831, 323}).empty());  // the colour wheel
    EXPECT_TRUE(HintsAt(areas, PagePoint{192 + 15, 258 + 15}).empty());  // a swatch
  }
  // The layouts differ where the page's table gives two places.
  EXPECT_NE(LightingHintAreas(false)[0].rect.right, LightingHintAreas(true)[0].rect.right);
  EXPECT_EQ(LightingHintAreas(false)[static_cast<int>(LightingControl::breathing_speed_slider)].rect.left, 571);
  EXPECT_EQ(LightingHintAreas(true)[static_cast<int>(LightingControl::breathing_speed_slider)].rect.left, 459);
}

}  // namespace
}  // namespace zk40
