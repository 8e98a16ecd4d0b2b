#include "device/UploadSequence.h"

#include "macros/MacroStore.h"
#include "protocol/MacroEncoder.h"
#include "protocol/ButtonCodes.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {

UploadSequence::UploadSequence(const SettingsStore& store, CUSBDriver& link, HookState& hooks, Sleeper& sleeper,
                               UploadObserver& observer)
    : store_(store), link_(link), hooks_(hooks), sleeper_(sleeper), observer_(observer) {}

bool UploadSequence::Fail(UploadError error) {
  observer_.OnUploadFailed(error);
  return false;
}

std::optional<std::uint32_t> UploadSequence::ButtonCode(int button, const ButtonAssignment& assignment,
                                                        int& macroSlot) {
  const auto b = static_cast<std::size_t>(button);
  if (assignment.function_type == kHostActionType) {
    hooks_.SetIntercept(kButtonEventCodes[b], 0);
    return ButtonOwnCode(button);
  }
  if (assignment.function_type == kMacroType) {
    const std::uint32_t id = store_.bound_macro_ids[b];
    const MacroRecord* macro = id != 0 ? FindMacro(store_.macros, id) : nullptr;
    if (!macro || macro->record_size == 0) return std::nullopt;
    const MacroBlock block = EncodeMacro(*macro);
    // A macro that did not reach the mouse keeps its code: the result is not checked.
    (void)link_.WriteMacro(macroSlot, block.bytes);
    sleeper_.SleepMs(kMacroWaitMs);
    return MacroButtonCode(macroSlot++, block.units);
  }
  return FixedButtonCode(assignment);
}

bool UploadSequence::Run() {
  const ProfileRecord& record = store_.current_record;
  sleeper_.SleepMs(kUploadStartWaitMs);

  KeyMatrix matrix;
  int macroSlot = 1;
  int progress = 0;
  for (int b = 0; b < kButtonCount; ++b) {
    hooks_.SetIntercept(kButtonEventCodes[static_cast<std::size_t>(b)], 1);
    observer_.OnProgress(progress);
    if (const auto code = ButtonCode(b, record.buttons[b], macroSlot)) {
      matrix.Set(kButtonMatrixSlots[static_cast<std::size_t>(b)], *code);
      sleeper_.SleepMs(kButtonCodeWaitMs);
    }
    progress += 7;
  }
  matrix.Set(kFixedSlot, kFixedSlotCode);
  if (!link_.WriteKeyMatrix(matrix.bytes)) return Fail(UploadError::key_matrix);
  observer_.OnProgress(60);

  if (!link_.SetLedColor(LedColour(record))) return Fail(UploadError::colour);
  const LedEffectBytes effect = LedEffectValues(record);
  if (!link_.SetLedEffect(effect.effect, effect.level, effect.variant)) return Fail(UploadError::effect);
  observer_.OnProgress(70);

  if (!link_.SetTouchSensing(record.proximity_sensing == 1 ? 1 : 0, record.led_effect)) {
    return Fail(UploadError::touch);
  }
  observer_.OnProgress(75);

  const DpiTable dpi = BuildDpiTable(record.dpi_stages);
  if (!link_.SetDpiTable(dpi.block)) return Fail(UploadError::dpi);
  (void)link_.SetDpiSelect(dpi.Selector());  // not checked: the stages themselves are on the mouse
  observer_.OnProgress(80);

  observer_.ApplyPointerSettings(record.enhance_precision, record.pointer_speed, record.wheel_lines);
  observer_.OnProgress(90);

  (void)link_.SetReportInterval(record.report_interval_ms);  // not checked, as the selector
  observer_.OnProgress(100);
  sleeper_.SleepMs(kUploadEndWaitMs);
  observer_.OnUploadFinished();
  return true;
}

}  // namespace zk40
