#pragma once
// The button page without its windows: the DPI boxes, precision, the two
// sliders, the report rate, the wheel mode with the lines field and its
// arrows, the seven button entries and what the function chooser's answer
// does to them. Every change goes straight into the current profile record;
// the page's window shows View() after each call.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/ChooseFunction.h"
#include "pages/ChooserResult.h"
#include "pages/PageGeometry.h"
#include "platform/KeyboardLayout.h"
#include "platform/UserNotifier.h"
#include "settings/SettingsStore.h"

namespace zk40 {

inline constexpr int kPointerSpeedSliderId = 2560;
inline constexpr int kLiftOffSliderId = 2562;
inline constexpr int kLinesFieldId = 2563;
inline constexpr unsigned kMarkerTimerId = 17;
inline constexpr unsigned kMarkerTimerMs = 200;
inline constexpr unsigned kWheelLinesTimerId = 152;
inline constexpr unsigned kWheelLinesTimerMs = 4000;

inline constexpr int kDpiBoxCount = 8;
inline constexpr int kMinWheelLines = 1;
inline constexpr int kMaxWheelLines = 30;
// wheel_lines for one screen per notch.
inline constexpr std::int32_t kWheelScreen = -1;

using DpiBoxes = std::array<bool, kDpiBoxCount>;

// A click on DPI box `box`, given which boxes are on: never fewer than one
// and never more than five stay on.
DpiBoxes ClickDpiBox(const DpiBoxes& on, int box);
// The boxes on, in ascending DPI, into the first stages; the rest 0.
void WriteDpiStages(const DpiBoxes& on, std::int32_t (&stages)[kDpiSlots]);

// Report-rate buttons in display order (125, 500, 1000 per second).
inline constexpr int kReportRateButtons = 3;
std::int32_t ReportIntervalOf(int rateButton);
std::optional<int> ReportRateButtonOf(std::int32_t intervalMs);

struct WheelLinesCommit {
  int number;          // what wheel_lines becomes
  std::u16string text; // what the field shows afterwards (caret at its end)
};
// The lines field's text, checked: leading zeros dropped, empty or no number
// gives 1, above 30 gives 30.
WheelLinesCommit CommitWheelLines(std::u16string_view fieldText);

// What the page's controls show for a record.
struct ButtonPageView {
  DpiBoxes dpi_on{};
  std::int32_t pointer_speed = 0;
  bool precision_on = false;
  std::int32_t lift_off = 0;
  std::optional<int> report_rate_button;  // none for an interval the page does not offer
  bool lines_mode = false;  // lines button on, screen off; field and arrows enabled
  int lines_number = 1;
  std::array<bool, kButtonCount> entry_latched{};
  friend bool operator==(const ButtonPageView&, const ButtonPageView&) = default;
};

ButtonPageView RefreshButtonPage(const ProfileRecord& record);

// Marker j is lit while the cursor is inside entry j's rectangle narrowed by
// 17 pixels on the left and on the right, and the main window is in front.
[[nodiscard]] bool MarkerLit(const PageRect& entry, PagePoint cursor, bool mainWindowInFront);

// The page's controls that post hints, in the order they are tested.
enum class ButtonPageControl {
  dpi_box,
  pointer_slider,
  precision_box,
  lift_off_slider,
  report_rate,
  lines_button,
  screen_button,
  area_caption,
  button_entry,
};
struct ControlHint {
  ButtonPageControl control;
  int index;  // which of several controls of the kind
  int hint;
};
inline constexpr std::size_t kButtonPageHintCount = 29;
extern const std::array<ControlHint, kButtonPageHintCount> kButtonPageHints;

class ButtonPage {
 public:
  ButtonPage(SettingsStore& store, UserNotifier& notifier, const KeyboardLayout& layout);

  const ButtonPageView& View() const { return view_; }
  // Shows the current record again (start-up, profile switch, defaults).
  void Refresh();

  void ClickDpiBox(int box);
  void ClickPrecision();
  void ClickReportRate(int rateButton);
  void ChooseLinesMode();
  void ChooseScreenMode();
  // An arrow: steps from the number in the field (as typed so far), at most
  // 30, at least 1. Returns the field's new text.
  std::u16string StepLines(std::u16string_view fieldText, int delta);
  // The periodic check and Apply: returns the field's new text.
  std::u16string CommitWheelLines(std::u16string_view fieldText);
  // Message 2048: true when the slider is one of the page's two.
  bool OnSliderMoved(std::int32_t value, int sliderId);

  // Before the chooser opens for a button: fixes the label's language and
  // gives the label to show in the chooser.
  std::u16string BeginChooseFunction(int button);
  // The chooser closed: applies the choice, shows a refusal's notice, and
  // updates the entry's latched state.
  ChooseOutcome FinishChooseFunction(const std::optional<ChooserResult>& choice);
  // The button whose chooser is open; -1 when none.
  int OpenButton() const { return open_button_; }

 private:
  ProfileRecord& Record() { return store_.current_record; }

  SettingsStore& store_;
  UserNotifier& notifier_;
  const KeyboardLayout& layout_;
  ButtonPageView view_;
  int open_button_ = -1;
};

}  // namespace zk40
