#include "pages/DlgMainSet_win32.h"

#include <vector>

#include "macros/GameMenuLibrary_win32.h"
#include "pages/PageControls_win32.h"
#include "pages/SettingDlg_win32.h"
#include "platform/Utf16Text.h"
#include "platform/WindowMessages.h"
#include "skin/SkinPaths.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace page = layout::button_page;

PageRect ToPageRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

const layout::StatePictureIds& EntryPictures(bool chinese) {
  return chinese ? layout::kButtonEntriesChinese : layout::kButtonEntriesOther;
}

// A window's rectangle in the client coordinates of another.
RECT RectIn(HWND window, HWND client) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The lines field's box is taller than a line of its text: the edit takes
// the middle strip of the box, so that its number sits in the box's middle;
// the page's picture shows the rest of the box.
PageRect TextStrip(const CEdit& field, const layout::Rect& box) {
  const HWND window = field.GetSafeHwnd();
  const HDC dc = ::GetDC(window);
  const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(field.SendMessage(WM_GETFONT)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return MiddleStrip(PageRectOf(box), metrics.tmHeight);
}

}  // namespace

CDlgMainSet::CDlgMainSet(CWnd* parent, const PageContext& context)
    : CSkinPage(IDD_PAGE_BUTTONS, parent, context, layout::kButtonPageSkin),
      model_(context.store, context.notices, context.keyboard) {}

bool CDlgMainSet::OnInitDialog() {
  CreateControls(LoadStatePictures(true));
  ReleaseStatePictures();
  LoadGameMenuLibrary();
  SetTimer(kMarkerTimerId, kMarkerTimerMs);
  SetTimer(kWheelLinesTimerId, kWheelLinesTimerMs);
  SetCaptions();
  return false;
}

void CDlgMainSet::LoadGameMenuLibrary() {
  // Without the library's two menu exports the program has no game menus.
  // The page does not close over it: tab 1 would be left empty and the main
  // window would refresh controls that are gone.
  (void)GameMenuLibrary::Load();
}

void CDlgMainSet::CreateControls(const PagePictures& pictures) {
  PageControls make(*this, pictures, controls_);
  const std::u16string thumb = skin::SkinPath(Context().store.install_folder, layout::kSliderThumb.name);
  for (int i = 0; i < kDpiBoxCount; ++i) {
    dpi_boxes_[static_cast<std::size_t>(i)] =
        &make.LatchingButton(page::kDpiBoxes[static_cast<std::size_t>(i)], [this, i] { OnDpiBox(i); });
  }
  pointer_speed_ =
      &make.Slider(page::kPointerSpeedSlider, thumb, kPointerSpeedSliderId, 1, 20, page::kSliderTrackRightInset);
  precision_ = &make.LatchingButton(page::kPrecisionBox, [this] { OnPrecision(); });
  lift_off_ = &make.Slider(page::kLiftOffSlider, thumb, kLiftOffSliderId, 1, 30, page::kSliderTrackRightInset);
  for (int i = 0; i < kReportRateButtons; ++i) {
    report_rates_[static_cast<std::size_t>(i)] =
        &make.LatchingButton(page::kReportRateButtons[static_cast<std::size_t>(i)], [this, i] { OnReportRate(i); });
  }
  const bool zh = SkinIsChinese();
  lines_button_ = &make.LatchingButton(page::kLinesButton.For(zh), [this] { OnLinesMode(); });
  auto& field = controls_.Make<CBitmapEdit>();
  ControlCreateArgs fieldArgs;
  fieldArgs.style = WS_VISIBLE | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL;
  fieldArgs.rect = ToRect(page::kLinesField.For(zh));
  fieldArgs.parent = this;
  fieldArgs.id = kLinesFieldId;
  field.Create(fieldArgs);
  const PageRect strip = TextStrip(field, page::kLinesField.For(zh));
  field.MoveWindow(strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top);
  field.SetBackground({strip.left, strip.top, strip.right, strip.bottom}, pictures.normal_image);
  lines_field_ = &field;
  lines_up_ = &make.LatchingButton(page::kLinesUp.For(zh), [this] { OnLinesStep(1); });
  lines_down_ = &make.LatchingButton(page::kLinesDown.For(zh), [this] { OnLinesStep(-1); });
  screen_button_ = &make.LatchingButton(page::kScreenButton.For(zh), [this] { OnScreenMode(); });
  // Arrows only push; they show no latched state.
  lines_up_->SetToggleMode(false, false);
  lines_down_->SetToggleMode(false, false);
  for (std::size_t i = 0; i < area_captions_.size(); ++i) {
    area_captions_[i] = &make.LatchingButton(page::kAreaCaptions[i], nullptr);
  }
  for (std::size_t i = 0; i < markers_.size(); ++i) {
    markers_[i] = &make.LatchingButton(page::kButtonMarkers[i], nullptr);
  }
  for (int j = 0; j < kButtonCount; ++j) {
    const Region region = QuadRegion(page::kButtonEntries[static_cast<std::size_t>(j)]);
    auto& entry = controls_.Make<CIrrButton>();
    CIrrButton::CreateArgs args;
    args.region = region.get();
    args.parent = this;
    args.on_click = [this, j] { ChooseFunction(j); };
    entry.Create(args);
    entry.SetToggleMode(true);
    entries_[static_cast<std::size_t>(j)] = &entry;
  }
  entries_chinese_ = Context().store.ui_is_chinese == 1;
  CutIrregularPictures(entries_, EntryPictures(entries_chinese_));
}

bool CDlgMainSet::SkinIsChinese() const { return Context().store.install_is_chinese == 1; }

void CDlgMainSet::SetCaptions() {
  if (!m_hWnd) return;
  const StringTable& strings = Context().strings;
  for (CGDIBitmapBtn* box : dpi_boxes_) box->SetTooltipText(strings.Get("str_dpiwant"), true);
  precision_->SetTooltipText(strings.Get("str_improveAccuracy"), true);
  for (CGDIBitmapBtn* rate : report_rates_) rate->SetTooltipText(strings.Get("str_rollingrate"), true);
  lines_button_->SetTooltipText(strings.Get("str_rollerColumn"), true);
  screen_button_->SetTooltipText(strings.Get("str_rollerScreen"), true);
  // The entries' pictures carry the interface language's names.
  const bool chinese = Context().store.ui_is_chinese == 1;
  if (chinese != entries_chinese_) {
    entries_chinese_ = chinese;
    CutIrregularPictures(entries_, EntryPictures(chinese));
  }
}

// ---- What the record shows ----

void CDlgMainSet::Refresh() {
  model_.Refresh();
  if (m_hWnd) ShowView();
}

void CDlgMainSet::ShowView() {
  const ButtonPageView& view = model_.View();
  ShowDpiBoxes();
  pointer_speed_->SetPosition(view.pointer_speed);
  precision_->SetLatched(view.precision_on);
  lift_off_->SetPosition(view.lift_off);
  ShowReportRate();
  ShowWheelMode();
  for (std::size_t j = 0; j < entries_.size(); ++j) entries_[j]->SetLatched(view.entry_latched[j]);
  ShowLinesNumber(DecimalText(view.lines_number));
}

void CDlgMainSet::ShowDpiBoxes() {
  const DpiBoxes& on = model_.View().dpi_on;
  for (std::size_t i = 0; i < dpi_boxes_.size(); ++i) dpi_boxes_[i]->SetLatched(on[i]);
}

void CDlgMainSet::ShowReportRate() {
  for (std::size_t i = 0; i < report_rates_.size(); ++i) {
    report_rates_[i]->SetLatched(model_.View().report_rate_button == static_cast<int>(i));
  }
}

void CDlgMainSet::ShowWheelMode() {
  const bool lines = model_.View().lines_mode;
  lines_button_->SetLatched(lines);
  screen_button_->SetLatched(!lines);
  for (const CWnd* control : std::initializer_list<const CWnd*>{lines_field_, lines_up_, lines_down_}) {
    control->EnableWindow(lines);
  }
}

void CDlgMainSet::ShowLinesNumber(const std::u16string& text) {
  // The wheel-lines timer commits the field every few seconds; setting the
  // text it already shows would only repaint it.
  if (lines_field_->GetWindowText() != text) lines_field_->SetWindowText(text);
  const int end = static_cast<int>(text.size());
  lines_field_->SetSel(end, end);
}

// ---- Control actions ----

void CDlgMainSet::OnDpiBox(int box) {
  model_.ClickDpiBox(box);
  ShowDpiBoxes();
}

void CDlgMainSet::OnPrecision() {
  model_.ClickPrecision();
  precision_->SetLatched(model_.View().precision_on);
}

void CDlgMainSet::OnReportRate(int rateButton) {
  model_.ClickReportRate(rateButton);
  ShowReportRate();
}

void CDlgMainSet::OnLinesMode() {
  model_.ChooseLinesMode();
  ShowWheelMode();
}

void CDlgMainSet::OnScreenMode() {
  model_.ChooseScreenMode();
  ShowWheelMode();
}

void CDlgMainSet::OnLinesStep(int delta) { ShowLinesNumber(model_.StepLines(lines_field_->GetWindowText(), delta)); }

void CDlgMainSet::CommitWheelLines() {
  if (!m_hWnd) return;
  ShowLinesNumber(model_.CommitWheelLines(lines_field_->GetWindowText()));
}

void CDlgMainSet::ChooseFunction(int button) {
  if (button < 0 || button >= kButtonCount || model_.OpenButton() >= 0) return;
  const std::u16string label = model_.BeginChooseFunction(button);
  const PageContext& context = Context();
  const ChooserContext chooser{context.store, context.strings, context.hooks, context.keyboard};
  const std::optional<ChooserResult> choice = RunFunctionChooser(*this, chooser, button, label);
  (void)model_.FinishChooseFunction(choice);
  entries_[static_cast<std::size_t>(button)]->SetLatched(model_.View().entry_latched[static_cast<std::size_t>(button)]);
}

// ---- Messages ----

bool CDlgMainSet::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != msg::kSliderMoved) return false;
  (void)model_.OnSliderMoved(static_cast<std::int32_t>(wp), static_cast<int>(lp));
  result = 1;
  return true;
}

bool CDlgMainSet::OnTimer(UINT_PTR id) {
  if (id == kMarkerTimerId) {
    LightMarkers();
    return true;
  }
  if (id == kWheelLinesTimerId) {
    if (lines_button_->GetLatched()) CommitWheelLines();
    return true;
  }
  return false;
}

void CDlgMainSet::LightMarkers() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const bool inFront = ::GetForegroundWindow() == ::GetAncestor(m_hWnd, GA_ROOT);
  for (std::size_t j = 0; j < entries_.size(); ++j) {
    const PageRect entry = ToPageRect(entries_[j]->GetWindowRect());
    markers_[j]->SetLatched(MarkerLit(entry, {cursor.x, cursor.y}, inFront));
  }
}

bool CDlgMainSet::OnMouseMove(UINT, POINT point) {
  PostHints(point);
  return true;
}

HWND CDlgMainSet::HintControl(const ControlHint& hint) const {
  const auto i = static_cast<std::size_t>(hint.index);
  switch (hint.control) {
    case ButtonPageControl::dpi_box: return dpi_boxes_[i]->GetSafeHwnd();
    case ButtonPageControl::pointer_slider: return pointer_speed_->GetSafeHwnd();
    case ButtonPageControl::precision_box: return precision_->GetSafeHwnd();
    case ButtonPageControl::lift_off_slider: return lift_off_->GetSafeHwnd();
    case ButtonPageControl::report_rate: return report_rates_[i]->GetSafeHwnd();
    case ButtonPageControl::lines_button: return lines_button_->GetSafeHwnd();
    case ButtonPageControl::screen_button: return screen_button_->GetSafeHwnd();
    case ButtonPageControl::area_caption: return area_captions_[i]->GetSafeHwnd();
    case ButtonPageControl::button_entry: return entries_[i]->GetSafeHwnd();
  }
  return nullptr;
}

void CDlgMainSet::PostHints(POINT point) const {
  std::vector<HintArea> areas;
  areas.reserve(kButtonPageHints.size());
  for (const ControlHint& hint : kButtonPageHints) {
    areas.push_back({ToPageRect(RectIn(HintControl(hint), m_hWnd)), hint.hint});
  }
  const HWND mainWindow = GetParent();
  for (const int hint : HintsAt(areas, {point.x, point.y})) {
    ::PostMessageW(mainWindow, msg::kShowHint, 0, hint);
  }
}

}  // namespace zk40
