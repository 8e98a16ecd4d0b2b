#pragma once
// What the button page makes of the function chooser's answer for one
// button: the label's language fix-up before the chooser opens, the two
// refusals (no button left with Click; the sniper function on the wheel), and
// the assignment written by the way the function was chosen.

#include <optional>
#include <string_view>

#include "pages/ChooserResult.h"
#include "platform/KeyboardLayout.h"
#include "settings/ProfileLayout.h"
#include "settings/SettingsStore.h"

namespace zk40 {

inline constexpr char16_t kLeftClickNoticeChinese[] = u"请保留至少一个键为\"单击\"功能!";
inline constexpr char16_t kLeftClickNoticeEnglish[] = u"At least one button must be configured as 'Left click'!";
inline constexpr char16_t kSniperNoticeChinese[] = u"此按键不可使用狙击功能!";
inline constexpr char16_t kSniperNoticeEnglish[] = u"This key can not use the sniper function!";

enum class ChooseOutcome {
  cancelled,           // the chooser was closed without a choice
  refused_left_click,  // no other button would keep Click
  refused_sniper,      // SNIPE on a wheel direction
  applied,
};

// A label that is a factory function's name in the other language is
// rewritten into the interface language; any other label stays.
void FixLabelLanguage(ButtonAssignment& assignment, bool uiIsChinese);

// Applies a confirmed choice (nothing: the chooser was cancelled) to the
// current record and the bound macro ids; a refusal changes nothing.
ChooseOutcome ApplyChoice(SettingsStore& store, int button, const std::optional<ChooserResult>& choice,
                          const KeyboardLayout& layout);

// The notice a refusal shows; empty for the other outcomes.
std::u16string_view RefusalNotice(ChooseOutcome outcome, bool chinese);

// A button entry is shown latched while its function differs from the factory one.
[[nodiscard]] bool EntryLatched(const ProfileRecord& record, int button);

}  // namespace zk40
