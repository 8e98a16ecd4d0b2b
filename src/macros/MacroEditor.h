#pragma once
// The macro page without its windows: the macro list of one game group, the
// steps of the selected macro, the recorder with its measured gaps and repeat
// filter, inserting and modifying keys and delays, the loop count field, and
// build-and-save through the macro store. The page's window forwards every
// click, list notification, key event and timer here and then shows the
// state: rows (refilled when their revision changes), selections, captions,
// which edit controls are shown, and the texts of the edit fields.
//
// A macro never grows beyond the 1000 events a record holds: a step that
// would pass that is refused and StepRefused() tells the page to say so.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroSteps.h"
#include "macros/MacroStore.h"
#include "platform/Clock.h"
#include "platform/UserNotifier.h"
#include "settings/SettingsStore.h"

namespace zk40 {

// Where the low-level hooks send key events: to the macro page while it
// records or captures a key, else nowhere.
class RecorderRouting {
 public:
  virtual ~RecorderRouting() = default;
  // The page becomes the hook target; key events (not mouse events) reach it.
  virtual void RouteKeysToPage() = 0;
  // Both recorder flags off; the target returns to the main window.
  virtual void StopRouting() = 0;
};

enum class EditMode { idle = 0, inserting_key = 1, inserting_delay = 2, modifying_key = 3, modifying_delay = 4 };

// The three mouse-notify buttons of the page.
enum class NotifyButton { left, middle, right };

// Bit 7 of a low-level key event's flags: the key went up.
inline constexpr std::uint32_t kKeyUpFlag = 0x80;
// A recording takes at most this many key events.
inline constexpr int kMaxRecordedKeys = 999;

inline constexpr char16_t kRecordNoticeKeyChinese[] = u"正在修改/插入一个键，无法录制";
inline constexpr char16_t kRecordNoticeKeyEnglish[] = u"It is Modifying or inserting a button,you can not record";
inline constexpr char16_t kRecordNoticeDelayChinese[] = u"正在修改/插入一个延时，无法录制";
inline constexpr char16_t kRecordNoticeDelayEnglish[] = u"It is Modifying or inserting a delay,you can not record";
inline constexpr char16_t kListingStoppedText[] = u"LoadMacroToList:  Not a vaild item";

// Hint numbers of the record button.
inline constexpr int kHintStartRecord = 45;
inline constexpr int kHintStopRecord = 46;

struct MacroEditorEnv {
  MacroStore& store;
  const SettingsStore& settings;  // the interface language
  UserNotifier& notifier;
  Clock& clock;                   // the tick count: gaps and new ids
  RecorderRouting& routing;
  std::function<void(std::u16string_view)> debug_output;  // the platform's debug output
};

// Which of the edit controls below the step list are shown, and how.
struct EditControls {
  bool key_choice_shown = false;
  bool key_choice_on = false;
  bool key_edit_shown = false;
  bool key_ok_shown = false;
  bool delay_choice_shown = false;
  bool delay_choice_on = false;
  bool delay_edit_shown = false;
  bool delay_ok_shown = false;
  enum class Focus { none, key_edit, delay_edit } focus = Focus::none;
  friend bool operator==(const EditControls&, const EditControls&) = default;
};

// A raw key event, as message 1034 carries it.
struct RecorderKeyEvent {
  std::uint32_t code;
  std::uint32_t flags;
};

class MacroEditor {
 public:
  explicit MacroEditor(const MacroEditorEnv& env);

  // --- game groups and the macro list ---------------------------------------
  // Shows a group's macros with the last one selected, and its steps.
  void ListGroup(int group);
  // A choice from the game menu: cancels an edit and stops a recording (so it
  // lands in the macro it was made for), sets the caption, lists the group.
  // False for an id outside 1..21, which changes nothing.
  bool SelectGameGroup(int group);
  void OnMacroSelectionChanged(int row);
  void OnStepSelectionChanged(int row);
  // Adds a new, still unsaved macro row; returns its row, on which the page
  // opens the in-place editor (-1 while recording).
  int NewMacro();
  void DeleteMacro();
  // The in-place editor renamed a row.
  void RenameMacro(int row, std::u16string_view name);

  // --- recording ---------------------------------------------------------------
  // The record button.
  void ToggleRecording();
  // Another page is shown or the window hides: a running recording stops and is saved.
  void StopRecording();
  // Message 1034; the result the page returns for it.
  int OnKeyEvent(std::uint32_t code, std::uint32_t flags);
  // A mouse-notify button pressed or released: the key event the page posts
  // to itself, only while recording or capturing a key.
  std::optional<RecorderKeyEvent> OnNotifyButton(NotifyButton button, bool pressed) const;
  void SetDelayToggle(bool on) { delay_toggle_ = on; }

  // --- editing -----------------------------------------------------------------
  void Insert();
  void ChooseKey();
  void ChooseDelay();
  void Modify();
  void KeyOk();
  void DelayOk();
  void DeleteStep();
  // The delay field's text as the user typed it.
  void SetDelayText(std::u16string_view text) { delay_text_ = text; }
  // The loop count field changed by the user: saves the macro.
  void SetLoopText(std::u16string_view text);
  // The periodic check of the loop count field: a rewrite saves the macro.
  void NormaliseLoopCount();

  // --- what the page shows ---------------------------------------------------
  int Group() const { return group_; }
  const std::u16string& GameCaption() const { return game_caption_; }
  const std::vector<MacroListEntry>& MacroRows() const { return macro_rows_; }
  int MacroSelection() const { return macro_selection_; }
  const MacroSteps& Steps() const { return steps_; }
  int StepSelection() const { return step_selection_; }
  unsigned MacroRowsRevision() const { return macro_rows_revision_; }
  unsigned StepsRevision() const { return steps_revision_; }
  bool Recording() const { return recording_; }
  std::u16string_view RecordCaption() const;
  int RecordHint() const { return recording_ ? kHintStopRecord : kHintStartRecord; }
  // New macro, delete macro, insert, delete step and modify.
  bool EditButtonsEnabled() const { return !recording_; }
  EditMode Mode() const { return mode_; }
  const EditControls& Controls() const { return controls_; }
  // The key shown in the key field (0: empty); its name is the step name.
  std::uint32_t KeyFieldCode() const { return key_field_code_; }
  const std::u16string& DelayText() const { return delay_text_; }
  const std::u16string& LoopText() const { return loop_text_; }
  bool DelayToggle() const { return delay_toggle_; }
  // The last step was refused because the macro is full.
  bool StepRefused() const { return step_refused_; }
  std::size_t EventCount() const { return BuiltEventCount(steps_); }
  // The record a save would store now (nothing while no macro would be).
  std::optional<MacroRecord> PreviewRecord() const;

 private:
  bool Chinese() const { return env_.settings.ui_is_chinese == 1; }
  void ShowSteps(int row);
  void CancelEdit();
  void HideEditControls();
  void StopRecordingAndSave();
  // Keeps the rows within a record; false (and the refusal shown) when not.
  bool Fits(const MacroSteps& candidate);
  int SaveRow() const { return recording_ ? recording_row_ : macro_selection_; }
  void BuildAndSave();
  std::uint32_t TickCount() const { return static_cast<std::uint32_t>(env_.clock.NowMs()); }
  std::uint32_t NewMacroId() const;
  // An OK button: the step of the mode the edit is in.
  struct EditStep {
    EditMode mode;
    void (MacroEditor::*apply)();
  };
  void FinishEdit(EditStep insert, EditStep modify);
  void InsertKey();
  void ModifyKey();
  void InsertDelay();
  void ModifyDelay();

  MacroEditorEnv env_;
  int group_ = 21;
  std::u16string game_caption_;
  std::vector<MacroListEntry> macro_rows_;
  int macro_selection_ = -1;
  int remembered_macro_row_ = -1;
  MacroSteps steps_;
  int step_selection_ = -1;
  int remembered_step_row_ = -1;
  unsigned macro_rows_revision_ = 0;
  unsigned steps_revision_ = 0;

  bool recording_ = false;
  int recording_row_ = -1;
  int recorded_keys_ = 0;
  std::optional<std::uint32_t> last_key_time_;  // tick of the previous recorded key
  bool delay_toggle_ = false;
  // The last key event a recording added; held keys repeat it and are
  // dropped. Kept across recordings.
  RecorderKeyEvent repeat_filter_{0, 0};

  EditMode mode_ = EditMode::idle;
  EditControls controls_;
  std::uint32_t captured_key_ = 0;
  std::uint32_t key_field_code_ = 0;
  std::u16string delay_text_;
  std::u16string loop_text_ = u"1";
  bool step_refused_ = false;
};

// What the page says when a step was refused because the macro is full.
std::u16string_view StepLimitText(bool chinese);

}  // namespace zk40
