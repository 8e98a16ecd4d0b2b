#include "pages/DlgMacro_win32.h"

#include <algorithm>

#include "macros/GameGroups.h"
#include "pages/MacroPageHints.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "shell/HostInputHooks_win32.h"
#include "skin/layout/MacroPageLayout.h"

namespace zk40 {
namespace {

namespace mp = layout::macro_page;

constexpr UINT_PTR kLoopCountTimer = 153;
constexpr UINT kLoopCountPeriodMs = 4000;

// The budget line and its warning, under the step list beside its buttons.
// The warning may take two lines.
constexpr RECT kBudgetLine{462, 408, 628, 421};
constexpr RECT kBudgetWarning{462, 421, 628, 449};
constexpr COLORREF kBudgetText = RGB(0x53, 0x61, 0x67);
constexpr COLORREF kWarningText = RGB(0xE0, 0x50, 0x40);

void DebugOutput(std::u16string_view text) {
  const std::u16string line(text);
  OutputDebugStringW(Wide(line));
}

}  // namespace

CDlgMacro::CDlgMacro(CWnd* parent, const PageContext& context)
    : CSkinPage(IDD_PAGE_MACROS, parent, context, layout::kMacroPageSkin),
      editor_(MacroEditorEnv{context.macros, context.store, context.notices, context.clock, *this, DebugOutput}) {}

// The page's controls (two skinned lists, some forty buttons and fields) are
// made when it first shows: a start waits for them only if the player opens
// the page. Until then the editor keeps the state and Refresh shows nothing.
void CDlgMacro::OnFirstShow() {
  CreateControls();
  SetCaptions();
  Refresh();
  SetTimer(kLoopCountTimer, kLoopCountPeriodMs);
}

void CDlgMacro::OnDestroy() {
  KillTimer(kLoopCountTimer);
  if (editor_.Recording() || editor_.Mode() != EditMode::idle) StopRouting();
}

void CDlgMacro::FillMacroList() {
  editor_.ListGroup(editor_.Group());
  Refresh();
}

void CDlgMacro::CommitLoopCount() {
  // Nothing typed before the field exists.
  if (!loop_edit_.GetSafeHwnd()) return;
  const std::u16string typed = loop_edit_.GetWindowText();
  if (typed != editor_.LoopText()) editor_.SetLoopText(typed);
  editor_.NormaliseLoopCount();
  Refresh();
}

void CDlgMacro::StopRecording() {
  editor_.StopRecording();
  Refresh();
}

void CDlgMacro::StartNewMacro() {
  const int row = editor_.NewMacro();
  Refresh();
  if (row >= 0) macro_list_.OpenEditor(row);
}

// --- where key events go ------------------------------------------------------------

void CDlgMacro::RouteKeysToPage() {
  Context().hooks.SetHookTarget(ToWindowId(m_hWnd));
  Context().hooks.SetRecorderReporting(1, 0);
}

void CDlgMacro::StopRouting() { Context().hooks.SetRecorderReporting(0, 0); }

// --- messages -----------------------------------------------------------------------

bool CDlgMacro::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case msg::kRecorderInput:
      result = editor_.OnKeyEvent(static_cast<std::uint32_t>(wp), static_cast<std::uint32_t>(lp));
      Refresh();
      return true;
    case msg::kListSelectionChanged:
      if (wp == mp::kMacroListId) editor_.OnMacroSelectionChanged(static_cast<int>(lp));
      else if (wp == mp::kStepListId) editor_.OnStepSelectionChanged(static_cast<int>(lp));
      Refresh();
      return true;
    case msg::kListRowEdited:
      if (wp == mp::kMacroListId) {
        const int row = static_cast<int>(lp);
        editor_.RenameMacro(row, macro_list_.GetText(row));
        Refresh();
      }
      return true;
    case msg::kGameChosen:
      CloseGameMenu();
      (void)editor_.SelectGameGroup(static_cast<int>(lp));
      game_button_->SetCaption(std::u16string(GameCaptionTitle(editor_.Group(), Chinese())));
      Refresh();
      return true;
    case msg::kButtonPressNotify:
      OnNotifyButton(reinterpret_cast<HWND>(lp), wp == WM_LBUTTONDOWN);
      return true;
    default:
      return false;
  }
}

void CDlgMacro::OnNotifyButton(HWND button, bool pressed) {
  constexpr std::array<NotifyButton, 3> kButtons = {NotifyButton::left, NotifyButton::middle, NotifyButton::right};
  for (std::size_t i = 0; i < mouse_buttons_.size(); ++i) {
    if (mouse_buttons_[i]->GetSafeHwnd() != button) continue;
    if (const auto event = editor_.OnNotifyButton(kButtons[i], pressed)) {
      PostMessage(msg::kRecorderInput, event->code, event->flags);
    }
  }
}

bool CDlgMacro::OnCommand(int id, int code, HWND control) {
  if (code != EN_CHANGE || writing_edit_) return CSkinPage::OnCommand(id, code, control);
  if (id == mp::kLoopCountEditId) {
    editor_.SetLoopText(loop_edit_.GetWindowText());
    RefreshBudget();
    return true;
  }
  if (id == mp::kDelayEditId) {
    editor_.SetDelayText(delay_edit_.GetWindowText());
    return true;
  }
  return CSkinPage::OnCommand(id, code, control);
}

bool CDlgMacro::OnTimer(UINT_PTR id) {
  if (id != kLoopCountTimer) return false;
  // A field the user is typing in is checked on its own text.
  const std::u16string typed = loop_edit_.GetWindowText();
  if (typed != editor_.LoopText()) editor_.SetLoopText(typed);
  const std::u16string before = editor_.LoopText();
  editor_.NormaliseLoopCount();
  if (editor_.LoopText() != before) {
    SetEditText(loop_edit_, editor_.LoopText());
    loop_edit_.SetSel(static_cast<int>(before.size()), static_cast<int>(before.size()));
    RefreshBudget();
  }
  return true;
}

bool CDlgMacro::OnLButtonDown(UINT, POINT) {
  CloseGameMenu();
  return false;
}

bool CDlgMacro::OnMouseMove(UINT, POINT point) {
  CWnd* main = Parent();
  if (!main) return false;
  for (int hint : HintsAt(MacroPageHintAreas(Chinese(), editor_.Recording()), PagePoint{point.x, point.y})) {
    main->PostMessage(msg::kShowHint, 0, hint);
  }
  return false;
}

bool CDlgMacro::OnCtlColor(HDC dc, HWND control, UINT message, HBRUSH& brush) {
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return false;
  if (control != loop_edit_.GetSafeHwnd() && control != key_edit_.GetSafeHwnd() &&
      control != delay_edit_.GetSafeHwnd()) {
    return false;
  }
  SetTextColor(dc, mp::kEditText);
  SetBkColor(dc, mp::kEditBackground);
  brush = edit_brush_.get();
  return true;
}

bool CDlgMacro::OnEraseBkgnd(HDC dc) {
  CSkinPage::OnEraseBkgnd(dc);
  if (!budget_font_) return true;
  const HGDIOBJ oldFont = SelectObject(dc, budget_font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBudgetText);
  RECT line = kBudgetLine;
  const std::u16string text = BudgetText(shown_budget_, Chinese());
  DrawTextW(dc, Wide(text), -1, &line, DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_NOPREFIX);
  const std::u16string warning = editor_.StepRefused() ? std::u16string(StepLimitText(Chinese()))
                                                        : BudgetWarning(shown_budget_, Chinese());
  if (!warning.empty()) {
    SetTextColor(dc, kWarningText);
    RECT below = kBudgetWarning;
    DrawTextW(dc, Wide(warning), -1, &below, DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  SelectObject(dc, oldFont);
  return true;
}

// --- showing the editor's state ---------------------------------------------------------

void CDlgMacro::Refresh() {
  if (!game_button_) return;
  RefreshMacroRows();
  RefreshStepRows();
  record_button_->SetCaption(std::u16string(editor_.RecordCaption()));
  for (CGDIBitmapBtn* button : edit_buttons_) button->EnableWindow(editor_.EditButtonsEnabled());
  delay_toggle_->SetLatched(!editor_.DelayToggle());
  if (loop_edit_.GetWindowText() != editor_.LoopText()) SetEditText(loop_edit_, editor_.LoopText());
  RefreshEditControls();
  RefreshBudget();
}

void CDlgMacro::RefreshMacroRows() {
  if (shown_macro_revision_ != editor_.MacroRowsRevision()) {
    shown_macro_revision_ = editor_.MacroRowsRevision();
    macro_list_.Empty();
    for (const MacroListEntry& row : editor_.MacroRows()) macro_list_.AddRow(RowKind::plain, row.name, row.macro_id);
  }
  if (macro_list_.SelectedRow() != editor_.MacroSelection()) macro_list_.SetCurSel(editor_.MacroSelection());
}

void CDlgMacro::RefreshStepRows() {
  if (shown_steps_revision_ != editor_.StepsRevision()) {
    shown_steps_revision_ = editor_.StepsRevision();
    const MacroSteps& steps = editor_.Steps();
    // A recording only adds rows at the end: those are appended, so that a
    // long recording does not refill the whole list on every key.
    const bool grown = steps.size() >= shown_steps_.size() &&
                       std::equal(shown_steps_.begin(), shown_steps_.end(), steps.begin());
    step_list_.SendMessage(WM_SETREDRAW, FALSE);
    if (!grown) {
      step_list_.Empty();
      shown_steps_.clear();
    }
    for (std::size_t i = shown_steps_.size(); i < steps.size(); ++i) {
      step_list_.AddRow(steps[i].kind, StepText(steps[i]), steps[i].value);
    }
    shown_steps_ = steps;
    step_list_.SendMessage(WM_SETREDRAW, TRUE);
    step_list_.Invalidate(true);
  }
  if (step_list_.SelectedRow() != editor_.StepSelection()) step_list_.SetCurSel(editor_.StepSelection());
}

void CDlgMacro::RefreshEditControls() {
  const EditControls& shown = editor_.Controls();
  const auto show = [](CWnd& control, bool visible) { control.ShowWindow(visible ? SW_SHOWNA : SW_HIDE); };
  show(*key_choice_, shown.key_choice_shown);
  key_choice_->SetLatched(shown.key_choice_on);
  show(key_edit_, shown.key_edit_shown);
  show(*key_ok_, shown.key_ok_shown);
  show(*delay_choice_, shown.delay_choice_shown);
  delay_choice_->SetLatched(shown.delay_choice_on);
  show(delay_edit_, shown.delay_edit_shown);
  show(*delay_ok_, shown.delay_ok_shown);
  const std::u16string keyName =
      editor_.KeyFieldCode() != 0 ? StepText(MacroStep{RowKind::key_press, editor_.KeyFieldCode()}) : std::u16string();
  if (key_edit_.GetWindowText() != keyName) SetEditText(key_edit_, keyName);
  if (delay_edit_.GetWindowText() != editor_.DelayText()) SetEditText(delay_edit_, editor_.DelayText());
  if (shown.focus == EditControls::Focus::key_edit) ::SetFocus(key_edit_.GetSafeHwnd());
  if (shown.focus == EditControls::Focus::delay_edit) ::SetFocus(delay_edit_.GetSafeHwnd());
}

void CDlgMacro::RefreshBudget() {
  const MacroBudget budget = MacroBudgetOf(editor_.PreviewRecord());
  const bool refused = editor_.StepRefused();
  if (budget.units == shown_budget_.units && budget.events == shown_budget_.events &&
      budget.events_on_mouse == shown_budget_.events_on_mouse && refused == shown_refused_) {
    return;
  }
  shown_budget_ = budget;
  shown_refused_ = refused;
  RECT area{kBudgetLine.left, kBudgetLine.top, kBudgetWarning.right, kBudgetWarning.bottom};
  ::InvalidateRect(m_hWnd, &area, TRUE);
}

void CDlgMacro::SetEditText(CEdit& edit, const std::u16string& text) {
  writing_edit_ = true;
  edit.SetWindowText(text);
  writing_edit_ = false;
}

}  // namespace zk40
