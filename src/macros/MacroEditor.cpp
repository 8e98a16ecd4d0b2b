#include "macros/MacroEditor.h"

#include <algorithm>

#include "macros/GameGroups.h"

namespace zk40 {
namespace {

constexpr char16_t kNewMacroChinese[] = u"新建宏";
constexpr char16_t kNewMacroEnglish[] = u"New Macro";
constexpr char16_t kStepLimitChinese[] = u"一个宏最多容纳 1000 个步骤，此步骤未添加。";
constexpr char16_t kStepLimitEnglish[] = u"A macro holds at most 1000 steps; this step was not added.";

// Mouse-notify buttons become the virtual-key codes of the mouse buttons.
constexpr std::uint32_t NotifyButtonCode(NotifyButton button) {
  switch (button) {
    case NotifyButton::left: return 1;
    case NotifyButton::middle: return 4;
    case NotifyButton::right: return 2;
  }
  return 0;
}

bool CapturesKeys(EditMode mode) { return mode == EditMode::inserting_key || mode == EditMode::modifying_key; }

int LastRow(std::size_t size) { return static_cast<int>(size) - 1; }

template <typename Rows>
bool ValidRow(const Rows& rows, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < rows.size();
}

}  // namespace

std::u16string_view StepLimitText(bool chinese) { return chinese ? kStepLimitChinese : kStepLimitEnglish; }

MacroEditor::MacroEditor(const MacroEditorEnv& env)
    : env_(env), game_caption_(GameCaptionTitle(kOwnGameGroup, Chinese())) {}

std::u16string_view MacroEditor::RecordCaption() const {
  if (recording_) return Chinese() ? u"停止录制" : u"Stop Record";
  return Chinese() ? u"开始录制" : u"Start Record";
}

// --- game groups and the macro list ---------------------------------------------

void MacroEditor::ListGroup(int group) {
  group_ = group;
  macro_rows_ = env_.store.ListGroup(group);
  ++macro_rows_revision_;
  macro_selection_ = LastRow(macro_rows_.size());
  steps_.clear();
  step_selection_ = -1;
  ++steps_revision_;
  ShowSteps(macro_selection_);
  remembered_macro_row_ = macro_selection_;
  remembered_step_row_ = step_selection_;
}

bool MacroEditor::SelectGameGroup(int group) {
  if (!IsGameGroup(group)) return false;
  // Listing empties both lists: nothing may stay attached to the old rows.
  CancelEdit();
  StopRecording();
  game_caption_ = GameCaptionTitle(group, Chinese());
  ListGroup(group);
  return true;
}

void MacroEditor::OnMacroSelectionChanged(int row) {
  macro_selection_ = row;
  if (row == remembered_macro_row_) return;
  CancelEdit();
  // The recording is saved into the macro it was started for.
  StopRecording();
  remembered_macro_row_ = row;
  ShowSteps(row);
  if (steps_.empty()) loop_text_ = u"1";
  remembered_step_row_ = step_selection_;
}

void MacroEditor::OnStepSelectionChanged(int row) {
  step_selection_ = row;
  if (row == remembered_step_row_) return;
  remembered_step_row_ = row;
  CancelEdit();
}

void MacroEditor::ShowSteps(int row) {
  if (!ValidRow(macro_rows_, row)) return;
  step_refused_ = false;
  steps_.clear();
  const MacroRecord* record = env_.store.Find(macro_rows_[static_cast<std::size_t>(row)].macro_id);
  if (record) {
    loop_text_ = LoopTextOf(*record);
    StepsFromRecord listed = StepsOf(*record);
    steps_ = std::move(listed.steps);
    if (listed.stopped && env_.debug_output) env_.debug_output(kListingStoppedText);
  }
  ++steps_revision_;
  step_selection_ = LastRow(steps_.size());
}

std::uint32_t MacroEditor::NewMacroId() const {
  const std::uint32_t groupBits = static_cast<std::uint32_t>(group_) << 24;
  std::uint32_t tick = TickCount() & 0xFFFFFF;
  // Two macros made within one tick, or a tick that came round again, must
  // not share an id: storing one would overwrite the other.
  auto taken = [this](std::uint32_t id) {
    return env_.store.Find(id) != nullptr ||
           std::any_of(macro_rows_.begin(), macro_rows_.end(), [id](const MacroListEntry& r) { return r.macro_id == id; });
  };
  while (taken(groupBits | tick)) tick = (tick + 1) & 0xFFFFFF;
  return groupBits | tick;
}

int MacroEditor::NewMacro() {
  if (recording_) return -1;
  macro_rows_.push_back({Chinese() ? kNewMacroChinese : kNewMacroEnglish, NewMacroId()});
  ++macro_rows_revision_;
  macro_selection_ = remembered_macro_row_ = LastRow(macro_rows_.size());
  ShowSteps(macro_selection_);
  remembered_step_row_ = -1;
  loop_text_ = u"1";
  return macro_selection_;
}

void MacroEditor::DeleteMacro() {
  if (recording_ || !ValidRow(macro_rows_, macro_selection_)) return;
  if (env_.store.Delete(macro_rows_[static_cast<std::size_t>(macro_selection_)].macro_id) == 0) return;
  macro_rows_.erase(macro_rows_.begin() + macro_selection_);
  ++macro_rows_revision_;
  macro_selection_ = remembered_macro_row_ = -1;
  steps_.clear();
  ++steps_revision_;
  step_selection_ = remembered_step_row_ = -1;
}

void MacroEditor::RenameMacro(int row, std::u16string_view name) {
  if (!ValidRow(macro_rows_, row)) return;
  MacroListEntry& entry = macro_rows_[static_cast<std::size_t>(row)];
  entry.name = std::u16string(name.substr(0, kMacroNameChars));
  ++macro_rows_revision_;
  (void)env_.store.Rename(entry.macro_id, name);
}

// --- recording --------------------------------------------------------------------

void MacroEditor::ToggleRecording() {
  if (CapturesKeys(mode_)) {
    env_.notifier.ShowNotice(Chinese() ? kRecordNoticeKeyChinese : kRecordNoticeKeyEnglish, false);
    return;
  }
  if (mode_ != EditMode::idle) {
    env_.notifier.ShowNotice(Chinese() ? kRecordNoticeDelayChinese : kRecordNoticeDelayEnglish, false);
    return;
  }
  HideEditControls();
  if (!recording_ && !ValidRow(macro_rows_, macro_selection_)) return;
  if (recording_) {
    StopRecordingAndSave();
    return;
  }
  recording_row_ = macro_selection_;
  steps_.clear();
  ++steps_revision_;
  step_selection_ = -1;
  step_refused_ = false;
  recorded_keys_ = 0;
  last_key_time_.reset();
  env_.routing.RouteKeysToPage();
  recording_ = true;
}

void MacroEditor::StopRecording() {
  if (recording_) StopRecordingAndSave();
}

void MacroEditor::StopRecordingAndSave() {
  env_.routing.StopRouting();
  BuildAndSave();  // still recording: saved into the row the recording started on
  recording_ = false;
  recording_row_ = -1;
}

int MacroEditor::OnKeyEvent(std::uint32_t code, std::uint32_t flags) {
  if (code == repeat_filter_.code && (flags & kKeyUpFlag) == (repeat_filter_.flags & kKeyUpFlag)) return 0;
  if (CapturesKeys(mode_)) {
    key_field_code_ = captured_key_ = code;
    return 1;
  }
  // A key event still queued when the recording stopped adds nothing.
  if (!recording_) return 1;
  if (recorded_keys_ >= kMaxRecordedKeys) {
    step_refused_ = true;
    return 1;
  }
  MacroSteps candidate = steps_;
  std::optional<std::uint32_t> now = last_key_time_;
  if (!delay_toggle_) {
    now = TickCount();
    // A gap longer than a delay row holds is kept as the longest one.
    if (last_key_time_) candidate.push_back({RowKind::delay, std::min(*now - *last_key_time_, kMaxDelayMs)});
  }
  candidate.push_back({(flags & kKeyUpFlag) ? RowKind::key_release : RowKind::key_press, code});
  if (!Fits(candidate)) return 1;
  last_key_time_ = now;
  steps_ = std::move(candidate);
  ++steps_revision_;
  step_selection_ = LastRow(steps_.size());
  ++recorded_keys_;
  repeat_filter_ = {code, flags};
  return 1;
}

std::optional<RecorderKeyEvent> MacroEditor::OnNotifyButton(NotifyButton button, bool pressed) const {
  if (!recording_ && !CapturesKeys(mode_)) return std::nullopt;
  return RecorderKeyEvent{NotifyButtonCode(button), pressed ? 0u : kKeyUpFlag};
}

bool MacroEditor::Fits(const MacroSteps& candidate) {
  step_refused_ = BuiltEventCount(candidate) > kMacroEventCapacity;
  return !step_refused_;
}

// --- editing ----------------------------------------------------------------------

void MacroEditor::HideEditControls() {
  controls_ = EditControls{};
  key_field_code_ = 0;
  delay_text_.clear();
}

void MacroEditor::CancelEdit() {
  if (mode_ == EditMode::idle) return;
  env_.routing.StopRouting();
  HideEditControls();
  mode_ = EditMode::idle;
}

void MacroEditor::Insert() {
  if (recording_) return;
  mode_ = EditMode::inserting_key;
  controls_.key_choice_shown = controls_.delay_choice_shown = true;
}

void MacroEditor::ChooseKey() {
  if (mode_ == EditMode::inserting_key || mode_ == EditMode::inserting_delay) mode_ = EditMode::inserting_key;
  controls_.key_choice_on = true;
  controls_.delay_choice_on = false;
  controls_.key_edit_shown = controls_.key_ok_shown = true;
  controls_.delay_edit_shown = controls_.delay_ok_shown = false;
  key_field_code_ = captured_key_ = 0;
  env_.routing.RouteKeysToPage();
}

void MacroEditor::ChooseDelay() {
  if (mode_ == EditMode::inserting_key || mode_ == EditMode::inserting_delay) mode_ = EditMode::inserting_delay;
  controls_.key_choice_on = false;
  controls_.delay_choice_on = true;
  controls_.delay_edit_shown = controls_.delay_ok_shown = true;
  controls_.key_edit_shown = controls_.key_ok_shown = false;
  controls_.focus = EditControls::Focus::delay_edit;
  delay_text_.clear();
  env_.routing.StopRouting();
}

void MacroEditor::Modify() {
  if (recording_) return;
  env_.routing.StopRouting();
  if (!ValidRow(steps_, step_selection_)) return;
  controls_ = EditControls{};
  key_field_code_ = 0;
  delay_text_.clear();
  if (steps_[static_cast<std::size_t>(step_selection_)].IsDelay()) {
    mode_ = EditMode::modifying_delay;
    controls_.delay_choice_shown = controls_.delay_choice_on = true;
    controls_.delay_edit_shown = controls_.delay_ok_shown = true;
    controls_.focus = EditControls::Focus::delay_edit;
    return;
  }
  mode_ = EditMode::modifying_key;
  // A key captured for an earlier edit must not slip into this one unseen.
  captured_key_ = 0;
  env_.routing.RouteKeysToPage();
  controls_.key_choice_shown = controls_.key_choice_on = true;
  controls_.key_edit_shown = controls_.key_ok_shown = true;
  controls_.focus = EditControls::Focus::key_edit;
}

void MacroEditor::KeyOk() {
  FinishEdit({EditMode::inserting_key, &MacroEditor::InsertKey}, {EditMode::modifying_key, &MacroEditor::ModifyKey});
}

void MacroEditor::DelayOk() {
  FinishEdit({EditMode::inserting_delay, &MacroEditor::InsertDelay},
             {EditMode::modifying_delay, &MacroEditor::ModifyDelay});
}

void MacroEditor::FinishEdit(EditStep insert, EditStep modify) {
  if (mode_ == insert.mode) {
    (this->*insert.apply)();
  } else if (mode_ == modify.mode) {
    (this->*modify.apply)();
  } else {
    return;  // the other OK button is hidden in this mode
  }
  BuildAndSave();
  mode_ = EditMode::idle;
}

void MacroEditor::InsertKey() {
  const std::uint32_t key = captured_key_;
  HideEditControls();
  env_.routing.StopRouting();
  const int i = step_selection_;
  if (ValidRow(steps_, i) && key != 0) {
    MacroSteps candidate = steps_;
    const auto at = candidate.begin() + i;
    candidate.insert(at, {{RowKind::key_press, key}, {RowKind::key_release, key}});
    if (Fits(candidate)) {
      steps_ = std::move(candidate);
      ++steps_revision_;
      step_selection_ = i + 1;
    }
  }
  remembered_step_row_ = step_selection_;
}

void MacroEditor::ModifyKey() {
  const std::uint32_t key = captured_key_;
  HideEditControls();
  env_.routing.StopRouting();
  if (ValidRow(steps_, step_selection_) && key != 0) {
    MacroStep& step = steps_[static_cast<std::size_t>(step_selection_)];
    if (step.IsKey()) {
      step.value = key;
      ++steps_revision_;
    }
  }
  remembered_step_row_ = step_selection_;
}

void MacroEditor::InsertDelay() {
  const std::optional<std::uint64_t> read = ReadDelayText(delay_text_);
  HideEditControls();
  const int i = step_selection_;
  if (read && ValidRow(steps_, i) && i > 0) {
    const std::uint32_t d = static_cast<std::uint32_t>(*read) & kMaxDelayMs;
    MacroSteps candidate = steps_;
    auto merged = [d](MacroStep& s) { s.value = std::min(s.value + d, kMergedDelayCapMs); };
    const std::size_t index = static_cast<std::size_t>(i);
    int selected = i;
    if (candidate[index - 1].IsDelay()) {
      merged(candidate[index - 1]);
      selected = i - 1;
    } else if (candidate[index].IsDelay()) {
      merged(candidate[index]);
    } else {
      candidate.insert(candidate.begin() + i, {RowKind::delay, d});
    }
    if (Fits(candidate)) {
      steps_ = std::move(candidate);
      ++steps_revision_;
      step_selection_ = selected;
    }
  }
  remembered_step_row_ = step_selection_;
}

void MacroEditor::ModifyDelay() {
  const std::optional<std::uint64_t> read = ReadDelayText(delay_text_);
  HideEditControls();
  if (read && ValidRow(steps_, step_selection_)) {
    MacroStep& step = steps_[static_cast<std::size_t>(step_selection_)];
    if (step.IsDelay()) {
      step.value = static_cast<std::uint32_t>(std::min<std::uint64_t>(*read, kMaxDelayMs));
      ++steps_revision_;
    }
  }
  remembered_step_row_ = step_selection_;
}

void MacroEditor::DeleteStep() {
  if (recording_ || !ValidRow(steps_, step_selection_)) return;
  steps_.erase(steps_.begin() + step_selection_);
  ++steps_revision_;
  step_selection_ = -1;
  step_refused_ = false;
  if (!steps_.empty()) BuildAndSave();
  remembered_step_row_ = step_selection_;
}

void MacroEditor::SetLoopText(std::u16string_view text) {
  // The page writing back what it was shown is no edit.
  if (text == loop_text_) return;
  loop_text_ = text;
  BuildAndSave();
}

void MacroEditor::NormaliseLoopCount() {
  if (std::optional<std::u16string> text = NormaliseLoopText(loop_text_)) {
    loop_text_ = std::move(*text);
    BuildAndSave();
  }
}

// --- build and save -----------------------------------------------------------------

std::optional<MacroRecord> MacroEditor::PreviewRecord() const {
  if (steps_.empty()) return std::nullopt;
  const int row = SaveRow();
  const MacroListEntry* entry = ValidRow(macro_rows_, row) ? &macro_rows_[static_cast<std::size_t>(row)] : nullptr;
  return BuildMacro(steps_, loop_text_, entry ? entry->macro_id : 0, entry ? std::u16string_view(entry->name) : u"")
      .record;
}

void MacroEditor::BuildAndSave() {
  if (steps_.empty()) return;
  const int row = SaveRow();
  const MacroListEntry* entry = ValidRow(macro_rows_, row) ? &macro_rows_[static_cast<std::size_t>(row)] : nullptr;
  BuiltMacro built = BuildMacro(steps_, loop_text_, entry ? entry->macro_id : 0, entry ? std::u16string_view(entry->name) : u"");
  if (built.last_merged_row) {
    steps_ = std::move(built.merged);
    ++steps_revision_;
    step_selection_ = static_cast<int>(*built.last_merged_row);
  }
  // Delays alone make no macro: the stored one stays as it was.
  if (!entry || built.record.event_count == 0) return;
  (void)env_.store.Store(&built.record);
}

}  // namespace zk40
