#include <gtest/gtest.h>

#include <memory>

#include "pages/ButtonPage.h"
#include "platform/Utf16Text.h"
#include "settings/ProfileDefaults.h"
#include "support/MacroBuilder.h"
#include "support/RecordingNotifier.h"

namespace zk40 {
namespace {

using Stages = std::array<std::int32_t, kDpiSlots>;

DpiBoxes Boxes(std::initializer_list<int> on) {
  DpiBoxes boxes{};
  for (int b : on) boxes[static_cast<std::size_t>(b)] = true;
  return boxes;
}

class ButtonPageTest : public ::testing::Test {
 protected:
  ButtonPageTest() {
    FillProfileDefaults(record(), false);
    page.Refresh();
  }
  ProfileRecord& record() { return store->current_record; }
  ButtonAssignment& button(int b) { return record().buttons[b]; }
  std::u16string Label(int b) { return ReadFixedText(button(b).label); }
  Stages StagesNow() {
    Stages s{};
    std::copy(std::begin(record().dpi_stages), std::end(record().dpi_stages), s.begin());
    return s;
  }
  ChooseOutcome Choose(int b, std::optional<ChooserResult> choice) {
    page.BeginChooseFunction(b);
    return page.FinishChooseFunction(choice);
  }
  static ChooserResult Basic(std::int32_t type) {
    ChooserResult r;
    r.value = type;
    return r;
  }

  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
  test::RecordingNotifier notifier;
  AsciiKeyboardLayout layout;
  ButtonPage page{*store, notifier, layout};
};

// --- DPI boxes -------------------------------------------------------------------

TEST(DpiBoxRule, KeepsBetweenOneAndFiveBoxesOn) {
  const DpiBoxes five = Boxes({0, 2, 4, 6, 7});
  EXPECT_EQ(ClickDpiBox(five, 1), five) << "a sixth box stays off";
  EXPECT_EQ(ClickDpiBox(five, 4), Boxes({0, 2, 6, 7})) << "one of the five goes off";
  EXPECT_EQ(ClickDpiBox(Boxes({3}), 3), Boxes({3})) << "the only box stays on";
  EXPECT_EQ(ClickDpiBox(Boxes({3}), 5), Boxes({3, 5}));
  EXPECT_EQ(ClickDpiBox(Boxes({3, 5}), 5), Boxes({3}));
  EXPECT_EQ(ClickDpiBox(Boxes({}), 2), Boxes({2}));
}

TEST(DpiBoxRule, MoreThanFiveBoxesFromAProfileFileNeverGrow) {
  // Six distinct stages can only come from a file; a click may not add a seventh.
  const DpiBoxes six = Boxes({0, 1, 2, 3, 4, 5});
  EXPECT_EQ(ClickDpiBox(six, 7), six);
  EXPECT_EQ(ClickDpiBox(six, 0), Boxes({1, 2, 3, 4, 5}));
}

TEST_F(ButtonPageTest, DpiStagesAreRebuiltInAscendingOrderWhateverTheClickOrder) {
  // Factory: 750, 1000, 1500, 2000, 3000. Leave only 1000, then add 500.
  for (int box : {1, 4, 6, 7}) page.ClickDpiBox(box);
  EXPECT_EQ(StagesNow(), (Stages{1000, 0, 0, 0, 0, 0, 0, 0}));
  page.ClickDpiBox(0);
  EXPECT_EQ(StagesNow(), (Stages{500, 1000, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(page.View().dpi_on, Boxes({0, 2}));
}

// --- wheel lines --------------------------------------------------------------------

TEST(CommitWheelLines, ReadsTheFieldAsLinesFromOneToThirty) {
  struct Case {
    std::u16string_view text;
    int number;
  };
  for (const Case& c : {Case{u"007", 7}, Case{u"45", 30}, Case{u"", 1}, Case{u"000", 1}, Case{u"30", 30},
                        Case{u"99999999999999999999999", 30}, Case{u"x", 1}, Case{u"12x", 12}}) {
    const WheelLinesCommit commit = CommitWheelLines(c.text);
    EXPECT_EQ(commit.number, c.number) << Utf16ToUtf8(c.text);
    EXPECT_EQ(commit.text, DecimalText(c.number)) << Utf16ToUtf8(c.text);
  }
}

TEST_F(ButtonPageTest, WheelModesAndArrowsWriteTheRecord) {
  EXPECT_EQ(page.CommitWheelLines(u"007"), u"7");
  EXPECT_EQ(record().wheel_lines, 7);

  page.ChooseScreenMode();
  EXPECT_EQ(record().wheel_lines, kWheelScreen);
  EXPECT_EQ(page.CommitWheelLines(u"12"), u"12") << "the periodic check leaves one-screen mode alone";
  EXPECT_EQ(record().wheel_lines, kWheelScreen);

  page.ChooseLinesMode();
  EXPECT_EQ(record().wheel_lines, 7);
  EXPECT_EQ(page.StepLines(u"30", +1), u"30");
  EXPECT_EQ(page.StepLines(u"1", -1), u"1");
  // The arrows step from what the field shows, typed but not yet checked.
  EXPECT_EQ(page.StepLines(u"12", +1), u"13");
  EXPECT_EQ(record().wheel_lines, 13);
}

// --- refresh ---------------------------------------------------------------------------

TEST_F(ButtonPageTest, RefreshShowsTheRecord) {
  record().dpi_stages[0] = 500;
  record().dpi_stages[1] = 500;  // a duplicate shows one box
  record().report_interval_ms = 4;
  record().wheel_lines = kWheelScreen;
  record().enhance_precision = 1;
  button(2).function_type = 1;
  const ButtonPageView view = RefreshButtonPage(record());
  EXPECT_EQ(view.dpi_on, Boxes({0, 4, 6, 7}));
  EXPECT_FALSE(view.report_rate_button.has_value()) << "an interval the page does not offer lights no button";
  EXPECT_FALSE(view.lines_mode);
  EXPECT_EQ(view.lines_number, 1);
  EXPECT_TRUE(view.precision_on);
  EXPECT_EQ(view.entry_latched, (std::array<bool, 7>{false, false, true, false, false, false, false}));

  record().report_interval_ms = 8;
  record().wheel_lines = 0;
  EXPECT_EQ(RefreshButtonPage(record()).report_rate_button, 0);
  EXPECT_EQ(RefreshButtonPage(record()).lines_number, 1) << "a stored 0 shows as the least number of lines";
}

TEST_F(ButtonPageTest, ControlsWriteTheRecordAtOnce) {
  page.ClickReportRate(1);
  EXPECT_EQ(record().report_interval_ms, 2);
  page.ClickReportRate(0);
  EXPECT_EQ(record().report_interval_ms, 8);
  page.ClickPrecision();
  EXPECT_EQ(record().enhance_precision, 1);
  page.ClickPrecision();
  EXPECT_EQ(record().enhance_precision, 0);
  EXPECT_TRUE(page.OnSliderMoved(17, kPointerSpeedSliderId));
  EXPECT_TRUE(page.OnSliderMoved(4, kLiftOffSliderId));
  EXPECT_FALSE(page.OnSliderMoved(9, 2561));
  EXPECT_EQ(record().pointer_speed, 17);
  EXPECT_EQ(record().sheight_level, 4);
}

// --- choosing a function -------------------------------------------------------------------

TEST_F(ButtonPageTest, NoChoiceMayLeaveTheMouseWithoutClick) {
  EXPECT_EQ(Choose(0, Basic(81)), ChooseOutcome::refused_left_click);
  EXPECT_EQ(button(0).function_type, 1);
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_EQ(notifier.shown[0].text, kLeftClickNoticeEnglish);
  EXPECT_FALSE(notifier.shown[0].with_cancel);

  EXPECT_EQ(Choose(2, Basic(1)), ChooseOutcome::applied) << "Click is always accepted";
  EXPECT_EQ(Choose(0, Basic(81)), ChooseOutcome::applied);
  EXPECT_EQ(Label(0), u"Close window");
  EXPECT_TRUE(page.View().entry_latched[0]);
  // The factory function of button 2 is Menu: the default button is refused now.
  EXPECT_EQ(Choose(2, DefaultChoice(2)), ChooseOutcome::refused_left_click);
  EXPECT_EQ(Choose(0, DefaultChoice(0)), ChooseOutcome::applied) << "the default Click of the left button";
}

TEST_F(ButtonPageTest, TheSniperFunctionIsRefusedOnTheWheelOnly) {
  store->ui_is_chinese = 1;
  EXPECT_EQ(Choose(6, Basic(142)), ChooseOutcome::refused_sniper);
  EXPECT_EQ(notifier.shown.back().text, kSniperNoticeChinese);
  EXPECT_EQ(button(6).function_type, 22);
  EXPECT_EQ(Choose(5, Basic(142)), ChooseOutcome::refused_sniper);
  EXPECT_EQ(Choose(3, Basic(142)), ChooseOutcome::applied);
  EXPECT_EQ(Label(3), u"狙击键");
}

TEST_F(ButtonPageTest, OpeningTheChooserTranslatesOnlyFactoryLabels) {
  store->ui_is_chinese = 1;
  StoreFixedText(button(1).label, u"Click");
  EXPECT_EQ(page.BeginChooseFunction(1), u"单击") << "every pair is tried, not only the button's own";
  EXPECT_EQ(Label(1), u"单击");
  EXPECT_EQ(page.OpenButton(), 1);
  EXPECT_EQ(page.FinishChooseFunction(std::nullopt), ChooseOutcome::cancelled);
  EXPECT_EQ(page.OpenButton(), -1);

  StoreFixedText(button(0).label, u"Click here");
  EXPECT_EQ(page.BeginChooseFunction(0), u"Click here");
  store->ui_is_chinese = 0;
  StoreFixedText(button(5).label, u"滚轮前滚");
  EXPECT_EQ(page.BeginChooseFunction(5), u"Scroll up");
}

TEST_F(ButtonPageTest, EachCategoryWritesItsFields) {
  ChooserResult combo;
  combo.category = ChoiceCategory::key_combination;
  combo.value = 0x000E0100;  // Ctrl + K
  EXPECT_EQ(Choose(3, combo), ChooseOutcome::applied);
  EXPECT_EQ(button(3).function_type, 5);
  EXPECT_EQ(button(3).key_combo_code, 0x000E0100u);
  EXPECT_EQ(Label(3), u"Ctrl + K");

  const std::uint32_t id = 21u << 24 | 77;
  store->macros[4] = test::Macro(1, {test::Press('A')}, id, u"Reload");
  ChooserResult macro;
  macro.category = ChoiceCategory::macro;
  macro.value = static_cast<std::int32_t>(id);
  EXPECT_EQ(Choose(4, macro), ChooseOutcome::applied);
  EXPECT_EQ(button(4).function_type, 6);
  EXPECT_EQ(button(4).macro_id, id);
  EXPECT_EQ(store->bound_macro_ids[4], id);
  EXPECT_EQ(Label(4), u"Reload");

  ChooserResult host;
  host.category = ChoiceCategory::host_action;
  host.row = 3;
  host.value = HostActionValue(3, 4);
  host.path = u"C:\\Games\\My Saves";
  EXPECT_EQ(Choose(4, host), ChooseOutcome::applied);
  EXPECT_EQ(button(4).function_type, 19);
  EXPECT_EQ(button(4).host_action_kind, 0xF0u);
  EXPECT_EQ(button(4).host_action_value, (0xC0 + 0x30 + 4) * 0x10000 + 6);
  EXPECT_EQ(ReadFixedText(button(4).target_path), host.path);
  EXPECT_EQ(Label(4), host.path);
  EXPECT_EQ(store->bound_macro_ids[4], 0u) << "the macro is unbound with any new choice";
  EXPECT_EQ(button(4).macro_id, 0u);

  EXPECT_EQ(Choose(1, DisableChoice(1)), ChooseOutcome::applied);
  EXPECT_EQ(button(1).function_type, 121);
  EXPECT_EQ(Label(1), u"Disable key");

  EXPECT_EQ(Choose(1, DefaultChoice(1)), ChooseOutcome::applied);
  EXPECT_EQ(button(1).function_type, 4);
  EXPECT_EQ(Label(1), u"Middle");
  EXPECT_FALSE(page.View().entry_latched[1]);
}

// --- markers and hints -------------------------------------------------------------------

TEST(ButtonPageGeometry, MarkersLightInsideTheNarrowedEntryWhileTheWindowIsInFront) {
  const PageRect entry{19, 408, 127, 441};
  EXPECT_FALSE(MarkerLit(entry, {35, 420}, true));
  EXPECT_TRUE(MarkerLit(entry, {36, 420}, true));
  EXPECT_TRUE(MarkerLit(entry, {109, 440}, true));
  EXPECT_FALSE(MarkerLit(entry, {110, 420}, true));
  EXPECT_FALSE(MarkerLit(entry, {60, 420}, false));
}

TEST(ButtonPageGeometry, HintsComeFromEveryGrownRectangleInTableOrder) {
  const HintArea areas[] = {{{104, 167, 293, 179}, 13}, {{29, 127, 288, 157}, 13}, {{29, 127, 300, 180}, 99}};
  EXPECT_EQ(HintsAt(areas, {103, 166}), (std::vector<int>{13, 99}));
  EXPECT_EQ(HintsAt(areas, {288, 157}), (std::vector<int>{13, 99})) << "one pixel beyond the caption still counts";
  EXPECT_TRUE(HintsAt(areas, {10, 10}).empty());

  // The page's own table: the controls with hints, in the order they are tested.
  EXPECT_EQ(kButtonPageHints.front().hint, 12);
  EXPECT_EQ(kButtonPageHints[16].control, ButtonPageControl::area_caption);
  EXPECT_EQ(kButtonPageHints[17].hint, 13) << "the pointer area's caption shares the slider's hint";
  EXPECT_EQ(kButtonPageHints.back().control, ButtonPageControl::button_entry);
}

TEST(ButtonPageGeometry, TheLinesFieldsTextStripLiesInTheMiddleOfItsBox) {
  const PageRect box{550, 355, 573, 377};
  const PageRect strip = MiddleStrip(box, 14);
  EXPECT_EQ(strip.left, 550);
  EXPECT_EQ(strip.right, 573);
  EXPECT_EQ(strip.top, 359);
  EXPECT_EQ(strip.bottom, 373);
  EXPECT_EQ(MiddleStrip(box, 13).top, 359) << "the odd spare pixel goes below";
  // A font taller than the box keeps the whole box; nothing leaves it.
  EXPECT_EQ(MiddleStrip(box, 40).top, 355);
  EXPECT_EQ(MiddleStrip(box, 40).bottom, 377);
  EXPECT_EQ(MiddleStrip(box, -3).bottom, MiddleStrip(box, -3).top);
}

}  // namespace
}  // namespace zk40
