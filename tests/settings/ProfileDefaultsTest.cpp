#include <gtest/gtest.h>

#include "platform/ByteImage.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsTables.h"

namespace zk40 {
namespace {

ProfileRecord Defaults(bool chinese) {
  ProfileRecord r;
  std::memset(&r, 0xAB, sizeof r);  // every byte must be rewritten
  FillProfileDefaults(r, chinese);
  return r;
}

TEST(ProfileDefaults, FileImageStartsWithTheMagicAndHoldsTheFactoryValues) {
  const ProfileRecord r = Defaults(false);
  const auto bytes = BytesOf(r);
  ASSERT_EQ(bytes.size(), 22160u);
  EXPECT_EQ(bytes[0], 0x10);
  EXPECT_EQ(bytes[1], 0x02);
  EXPECT_EQ(bytes[2], 0x80);
  EXPECT_EQ(bytes[3], 0x80);
  // Little-endian fields at their fixed offsets.
  EXPECT_EQ(LeadingWord(bytes.subspan(22040)), 750u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22056)), 3000u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22060)), 0u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22112)), 15u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22116)), 1u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22120)), 4u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22124)), 0x000000FFu);  // red 255, green 0, blue 0
  EXPECT_EQ(LeadingWord(bytes.subspan(22144)), 10u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22148)), 5u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22152)), 3u);
  EXPECT_EQ(LeadingWord(bytes.subspan(22156)), 3u);
  for (std::size_t i = 22072; i < 22112; ++i) EXPECT_EQ(bytes[i], 0) << "reserved byte " << i;
  EXPECT_EQ(r.proximity_sensing, 1);
  EXPECT_EQ(r.led_custom_color, 1);
  EXPECT_EQ(r.enhance_precision, 0);
}

TEST(ProfileDefaults, ButtonsGetTheirFactoryFunctionsAndWheelDirectionsDiffer) {
  const ProfileRecord r = Defaults(false);
  const std::int32_t expected[] = {1, 4, 2, 8, 16, 11, 22};
  for (int b = 0; b < kButtonCount; ++b) {
    EXPECT_EQ(r.buttons[b].function_type, expected[b]) << "button " << b;
    EXPECT_EQ(r.buttons[b].macro_id, 0u);
    EXPECT_EQ(r.buttons[b].target_path[0], u'\0');
  }
  // Button 4 starts 4 + 4 * 3148 bytes into the image.
  EXPECT_EQ(LeadingWord(BytesOf(r).subspan(4 + 4 * 3148)), 16u);
}

TEST(ProfileDefaults, LabelsFollowTheUiLanguage) {
  const ProfileRecord en = Defaults(false);
  const ProfileRecord zh = Defaults(true);
  EXPECT_EQ(ReadFixedText(en.buttons[0].label), u"Click");
  EXPECT_EQ(ReadFixedText(en.buttons[6].label), u"Scroll down");
  EXPECT_EQ(ReadFixedText(zh.buttons[0].label), u"单击");
  EXPECT_EQ(ReadFixedText(zh.buttons[5].label), u"滚轮前滚");
}

TEST(FactoryLabels, OnlyAnExactFactoryNameIsTranslated) {
  EXPECT_EQ(TranslateFactoryLabel(u"Click", true), u"单击");
  EXPECT_EQ(TranslateFactoryLabel(u"单击", false), u"Click");
  EXPECT_EQ(TranslateFactoryLabel(u"Clicks", true), std::nullopt);
  EXPECT_EQ(TranslateFactoryLabel(u"Click", false), std::nullopt) << "already English";
  EXPECT_EQ(TranslateFactoryLabel(u"Play/Pause", true), std::nullopt) << "not a factory label";
}

}  // namespace
}  // namespace zk40
