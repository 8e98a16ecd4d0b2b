#include "pages/ChooseFunction.h"

#include "macros/MacroStore.h"
#include "platform/Utf16Text.h"
#include "protocol/FunctionTable.h"
#include "protocol/KeyNames.h"
#include "settings/SettingsTables.h"

namespace zk40 {
namespace {

constexpr std::int32_t kClickType = 1;
constexpr std::int32_t kSnipeValue = 142;
constexpr int kWheelForward = 5;
constexpr int kWheelBackward = 6;

bool OtherButtonHasClick(const ProfileRecord& record, int button) {
  for (int b = 0; b < kButtonCount; ++b) {
    if (b != button && record.buttons[b].function_type == kClickType) return true;
  }
  return false;
}

std::uint32_t HostActionKind(int row) { return 0xC0u + 0x10u * static_cast<std::uint32_t>(row); }

}  // namespace

void FixLabelLanguage(ButtonAssignment& assignment, bool uiIsChinese) {
  if (const auto translated = TranslateFactoryLabel(ReadFixedText(assignment.label), uiIsChinese)) {
    StoreFixedText(assignment.label, *translated);
  }
}

bool EntryLatched(const ProfileRecord& record, int button) {
  return record.buttons[button].function_type != kFactoryFunctionTypes[static_cast<std::size_t>(button)];
}

ChooseOutcome ApplyChoice(SettingsStore& store, int button, const std::optional<ChooserResult>& choice,
                          const KeyboardLayout& layout) {
  if (!choice || button < 0 || button >= kButtonCount) return ChooseOutcome::cancelled;
  const ChooserResult& result = *choice;
  const bool isClick = result.category == ChoiceCategory::basic && result.value == kClickType;
  if (!isClick && !OtherButtonHasClick(store.current_record, button)) return ChooseOutcome::refused_left_click;
  if (result.value == kSnipeValue && (button == kWheelForward || button == kWheelBackward))
    return ChooseOutcome::refused_sniper;

  ButtonAssignment& assignment = store.current_record.buttons[button];
  const bool chinese = store.ui_is_chinese == 1;
  store.bound_macro_ids[static_cast<std::size_t>(button)] = 0;
  assignment.function_type = static_cast<std::int32_t>(result.category);
  // The macro id belongs to macro assignments only; a stale one would keep
  // naming a macro the button no longer plays.
  assignment.macro_id = 0;
  switch (result.category) {
    case ChoiceCategory::key_combination:
      assignment.key_combo_code = static_cast<std::uint32_t>(result.value);
      StoreFixedText(assignment.label, ComboText(assignment.key_combo_code, layout));
      break;
    case ChoiceCategory::macro: {
      const auto id = static_cast<std::uint32_t>(result.value);
      store.bound_macro_ids[static_cast<std::size_t>(button)] = id;
      assignment.macro_id = id;
      const MacroRecord* macro = FindMacro(store.macros, id);
      StoreFixedText(assignment.label, macro ? ReadFixedText(macro->name) : std::u16string());
      break;
    }
    case ChoiceCategory::host_action:
      assignment.host_action_value = result.value;
      StoreFixedText(assignment.target_path, result.path);
      StoreFixedText(assignment.label, result.path);
      assignment.host_action_kind = HostActionKind(result.row);
      break;
    case ChoiceCategory::disable:
      StoreFixedText(assignment.label, FunctionName(assignment.function_type, chinese));
      break;
    case ChoiceCategory::basic:
    default:
      assignment.function_type = result.value;
      StoreFixedText(assignment.label, FunctionName(result.value, chinese));
      break;
  }
  return ChooseOutcome::applied;
}

std::u16string_view RefusalNotice(ChooseOutcome outcome, bool chinese) {
  switch (outcome) {
    case ChooseOutcome::refused_left_click: return chinese ? kLeftClickNoticeChinese : kLeftClickNoticeEnglish;
    case ChooseOutcome::refused_sniper: return chinese ? kSniperNoticeChinese : kSniperNoticeEnglish;
    default: return {};
  }
}

}  // namespace zk40
