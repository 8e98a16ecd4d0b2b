#include <gtest/gtest.h>

#include "i18n/StringTable.h"
#include "shell/HintTexts.h"
#include "shell/LanguageSwitch.h"

namespace zk40 {
namespace {

TEST(HintTextsTest, RunsEndWhereTheTableSaysAndTheGapsClearTheLine) {
  const struct {
    int hint;
    std::string_view key;
  } cases[] = {
      {0, ""},   {1, "str_main"},         {11, "str_ok"},           {18, "str_rollerScreen"}, {19, ""},
      {25, ""},  {26, "str_ledspe"},      {29, "str_led_norbre"},   {30, ""},
      {31, "str_led_brealways"},          {32, "str_led_brightness"}, {33, ""},           {36, ""},
      {37, "str_led_body_on"},            {60, "str_defaultname"},  {61, "str_dpi_setting"},
      {65, "str_mouse_key"},              {66, ""},                 {74, ""},             {75, "str_backlight"},
      {76, "str_breath_speed"},           {77, ""},                 {79, ""},             {80, "str_proximity_sensing"},
      {87, "str_marco_list"},             {90, "str_firmware_version"}, {91, ""},         {-1, ""},
      {2053, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(HintKey(c.hint), c.key) << c.hint;
}

TEST(HintTextsTest, EveryKeyIsALanguageKeyAndItsTextComesFromTheLoadedTable) {
  StringTable strings;
  int withKey = 0;
  for (int hint = -5; hint < 200; ++hint) {
    const std::string_view key = HintKey(hint);
    if (key.empty()) {
      EXPECT_EQ(HintText(strings, hint), u"") << hint;
      continue;
    }
    ++withKey;
    ASSERT_TRUE(StringKeyIndex(key).has_value()) << key;
    std::u16string text(key.begin(), key.end());
    text += u" text";
    ASSERT_TRUE(strings.Set(key, text));
    EXPECT_EQ(HintText(strings, hint), text);
  }
  EXPECT_EQ(withKey, 66);
}

using Kind = LanguageSwitchPlan::Kind;

TEST(LanguageSwitchTest, TheMenuClosingOnlyForgetsIt) {
  // Also a Language.cfg holding 0: the start-up message does nothing, so the
  // first language stays and the file is not written.
  EXPECT_EQ(DecideLanguageSwitch(0, 0, true).kind, Kind::menu_closed);
  EXPECT_EQ(DecideLanguageSwitch(kLanguageFromStartup, 0, false).kind, Kind::menu_closed);
}

TEST(LanguageSwitchTest, AChoiceFromAMenuThatIsNoLongerOpenIsIgnored) {
  EXPECT_EQ(DecideLanguageSwitch(0, 2, false).kind, Kind::ignore);
  EXPECT_EQ(DecideLanguageSwitch(5, 1, false).kind, Kind::ignore);
}

TEST(LanguageSwitchTest, OnlySimplifiedChineseMakesTheBuiltInTextsChinese) {
  for (int number = 1; number <= 12; ++number) {
    const LanguageSwitchPlan plan = DecideLanguageSwitch(0, number, true);
    ASSERT_EQ(plan.kind, Kind::apply);
    EXPECT_EQ(plan.ui_is_chinese, number == 1 ? 1 : 0) << number;
    EXPECT_EQ(plan.load_language, number);
    EXPECT_EQ(plan.save_number, number);
    EXPECT_TRUE(plan.close_menu);
  }
}

TEST(LanguageSwitchTest, ANumberOutsideTheTableLoadsNothingButIsSavedAndClearsChinese) {
  const LanguageSwitchPlan startup = DecideLanguageSwitch(kLanguageFromStartup, 13, false);
  EXPECT_EQ(startup.kind, Kind::apply);
  EXPECT_EQ(startup.load_language, 0);
  EXPECT_EQ(startup.save_number, 13);
  EXPECT_EQ(startup.ui_is_chinese, 0);
  EXPECT_FALSE(startup.close_menu);

  const LanguageSwitchPlan negative = DecideLanguageSwitch(kLanguageFromStartup, -4, false);
  EXPECT_EQ(negative.load_language, 0);
  EXPECT_EQ(negative.save_number, -4);
}

TEST(LanguageSwitchTest, StartUpAppliesWithoutAMenuAndLeavesAnOpenMenuAlone) {
  const LanguageSwitchPlan plan = DecideLanguageSwitch(kLanguageFromStartup, 12, true);
  EXPECT_EQ(plan.kind, Kind::apply);
  EXPECT_EQ(plan.load_language, 12);
  EXPECT_FALSE(plan.close_menu);
}

TEST(LanguageSwitchTest, AValueTooWideForLanguageCfgIsIgnoredRatherThanSavedTruncated) {
  if constexpr (sizeof(std::intptr_t) > 4) {
    const std::intptr_t wide = (std::intptr_t{1} << 32) + 1;  // would be saved as 1
    EXPECT_EQ(DecideLanguageSwitch(0, wide, true).kind, Kind::ignore);
  }
}

}  // namespace
}  // namespace zk40
