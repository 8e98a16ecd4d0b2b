#include "pages/ButtonPage.h"

#include <algorithm>

#include "platform/Utf16Text.h"
#include "settings/SettingsTables.h"

namespace zk40 {
namespace {

constexpr int kMaxDpiStagesOn = 5;
constexpr int kMarkerInset = 17;
constexpr std::array<std::int32_t, kReportRateButtons> kReportIntervals = {8, 2, 1};

int ClampLines(long long n) { return static_cast<int>(std::clamp<long long>(n, kMinWheelLines, kMaxWheelLines)); }

}  // namespace

const std::array<ControlHint, kButtonPageHintCount> kButtonPageHints = {{
    {ButtonPageControl::dpi_box, 0, 12},        {ButtonPageControl::dpi_box, 1, 12},
    {ButtonPageControl::dpi_box, 2, 12},        {ButtonPageControl::dpi_box, 3, 12},
    {ButtonPageControl::dpi_box, 4, 12},        {ButtonPageControl::dpi_box, 5, 12},
    {ButtonPageControl::dpi_box, 6, 12},        {ButtonPageControl::dpi_box, 7, 12},
    {ButtonPageControl::pointer_slider, 0, 13}, {ButtonPageControl::precision_box, 0, 14},
    {ButtonPageControl::lift_off_slider, 0, 15}, {ButtonPageControl::report_rate, 0, 16},
    {ButtonPageControl::report_rate, 1, 16},    {ButtonPageControl::report_rate, 2, 16},
    {ButtonPageControl::lines_button, 0, 17},   {ButtonPageControl::screen_button, 0, 18},
    {ButtonPageControl::area_caption, 0, 61},   {ButtonPageControl::area_caption, 1, 13},
    {ButtonPageControl::area_caption, 2, 62},   {ButtonPageControl::area_caption, 3, 63},
    {ButtonPageControl::area_caption, 4, 64},   {ButtonPageControl::area_caption, 5, 65},
    {ButtonPageControl::button_entry, 0, 65},   {ButtonPageControl::button_entry, 1, 65},
    {ButtonPageControl::button_entry, 2, 65},   {ButtonPageControl::button_entry, 3, 65},
    {ButtonPageControl::button_entry, 4, 65},   {ButtonPageControl::button_entry, 5, 65},
    {ButtonPageControl::button_entry, 6, 65},
}};

DpiBoxes ClickDpiBox(const DpiBoxes& on, int box) {
  DpiBoxes result = on;
  if (box < 0 || box >= kDpiBoxCount) return result;
  bool& clicked = result[static_cast<std::size_t>(box)];
  const auto count = std::count(on.begin(), on.end(), true);
  // A profile from a file can show more than five: no box may then go on.
  if (count >= kMaxDpiStagesOn) {
    clicked = false;
  } else if (!clicked) {
    clicked = true;
  } else if (count > 1) {
    clicked = false;
  }
  return result;
}

void WriteDpiStages(const DpiBoxes& on, std::int32_t (&stages)[kDpiSlots]) {
  std::fill(std::begin(stages), std::end(stages), 0);
  std::size_t next = 0;
  for (std::size_t box = 0; box < on.size(); ++box) {
    if (on[box]) stages[next++] = kDpiChoices[box];
  }
}

std::int32_t ReportIntervalOf(int rateButton) {
  if (rateButton < 0 || rateButton >= kReportRateButtons) return 0;
  return kReportIntervals[static_cast<std::size_t>(rateButton)];
}

std::optional<int> ReportRateButtonOf(std::int32_t intervalMs) {
  const auto it = std::find(kReportIntervals.begin(), kReportIntervals.end(), intervalMs);
  if (it == kReportIntervals.end()) return std::nullopt;
  return static_cast<int>(it - kReportIntervals.begin());
}

WheelLinesCommit CommitWheelLines(std::u16string_view fieldText) {
  std::u16string_view text = fieldText;
  while (!text.empty() && text.front() == u'0') text.remove_prefix(1);
  long long number = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    number = std::min<long long>(number * 10 + (c - u'0'), kMaxWheelLines + 1);
  }
  // Empty, all zeros or no number at all: one line.
  const int lines = ClampLines(number);
  return {lines, DecimalText(lines)};
}

ButtonPageView RefreshButtonPage(const ProfileRecord& record) {
  ButtonPageView view;
  for (std::size_t box = 0; box < view.dpi_on.size(); ++box) {
    view.dpi_on[box] = std::find(std::begin(record.dpi_stages), std::end(record.dpi_stages), kDpiChoices[box]) !=
                       std::end(record.dpi_stages);
  }
  view.pointer_speed = record.pointer_speed;
  view.precision_on = record.enhance_precision == 1;
  view.lift_off = record.sheight_level;
  view.report_rate_button = ReportRateButtonOf(record.report_interval_ms);
  view.lines_mode = record.wheel_lines != kWheelScreen;
  view.lines_number = view.lines_mode ? ClampLines(record.wheel_lines) : 1;
  for (int b = 0; b < kButtonCount; ++b) view.entry_latched[static_cast<std::size_t>(b)] = EntryLatched(record, b);
  return view;
}

bool MarkerLit(const PageRect& entry, PagePoint cursor, bool mainWindowInFront) {
  const PageRect narrowed{entry.left + kMarkerInset, entry.top, entry.right - kMarkerInset, entry.bottom};
  return mainWindowInFront && narrowed.Contains(cursor);
}

ButtonPage::ButtonPage(SettingsStore& store, UserNotifier& notifier, const KeyboardLayout& layout)
    : store_(store), notifier_(notifier), layout_(layout) {}

void ButtonPage::Refresh() { view_ = RefreshButtonPage(Record()); }

void ButtonPage::ClickDpiBox(int box) {
  view_.dpi_on = zk40::ClickDpiBox(view_.dpi_on, box);
  WriteDpiStages(view_.dpi_on, Record().dpi_stages);
}

void ButtonPage::ClickPrecision() {
  view_.precision_on = !view_.precision_on;
  Record().enhance_precision = view_.precision_on ? 1 : 0;
}

void ButtonPage::ClickReportRate(int rateButton) {
  if (rateButton < 0 || rateButton >= kReportRateButtons) return;
  view_.report_rate_button = rateButton;
  Record().report_interval_ms = ReportIntervalOf(rateButton);
}

void ButtonPage::ChooseLinesMode() {
  view_.lines_mode = true;
  Record().wheel_lines = view_.lines_number;
}

void ButtonPage::ChooseScreenMode() {
  view_.lines_mode = false;
  Record().wheel_lines = kWheelScreen;
}

std::u16string ButtonPage::StepLines(std::u16string_view fieldText, int delta) {
  const int lines = ClampLines(static_cast<long long>(zk40::CommitWheelLines(fieldText).number) + delta);
  view_.lines_number = lines;
  Record().wheel_lines = lines;
  return DecimalText(lines);
}

std::u16string ButtonPage::CommitWheelLines(std::u16string_view fieldText) {
  // One screen per notch stays so until the lines button is chosen again.
  if (!view_.lines_mode) return std::u16string(fieldText);
  WheelLinesCommit commit = zk40::CommitWheelLines(fieldText);
  view_.lines_number = commit.number;
  Record().wheel_lines = commit.number;
  return std::move(commit.text);
}

bool ButtonPage::OnSliderMoved(std::int32_t value, int sliderId) {
  if (sliderId == kPointerSpeedSliderId) {
    Record().pointer_speed = view_.pointer_speed = value;
  } else if (sliderId == kLiftOffSliderId) {
    Record().sheight_level = view_.lift_off = value;
  } else {
    return false;
  }
  return true;
}

std::u16string ButtonPage::BeginChooseFunction(int button) {
  if (button < 0 || button >= kButtonCount) return {};
  open_button_ = button;
  ButtonAssignment& assignment = Record().buttons[button];
  FixLabelLanguage(assignment, store_.ui_is_chinese == 1);
  return ReadFixedText(assignment.label);
}

ChooseOutcome ButtonPage::FinishChooseFunction(const std::optional<ChooserResult>& choice) {
  const int button = open_button_;
  if (button < 0) return ChooseOutcome::cancelled;
  const ChooseOutcome outcome = ApplyChoice(store_, button, choice, layout_);
  const std::u16string_view notice = RefusalNotice(outcome, store_.ui_is_chinese == 1);
  if (!notice.empty()) notifier_.ShowNotice(std::u16string(notice), false);
  view_.entry_latched[static_cast<std::size_t>(button)] = EntryLatched(Record(), button);
  open_button_ = -1;
  return outcome;
}

}  // namespace zk40
