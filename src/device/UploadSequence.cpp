#include "device/UploadSequence.h"

#include "macros/MacroStore.h"
#include "protocol/ButtonCodes.h"
#include "protocol/MacroEncoder.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {

UploadSequence::UploadSequence(const SettingsStore& store, CUSBDriver& link, HookState& hooks,
                               UploadObserver& observer)
    : store_(store), link_(link), hooks_(hooks), observer_(observer) {}

bool UploadSequence::Fail(UploadError error) {
  observer_.OnUploadFailed(error);
  return false;
}

std::optional<std::uint32_t> UploadSequence::ButtonCode(LinkSession& link, int button,
                                                        const ButtonAssignment& assignment, int& macroSlot) {
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
    (void)link.WriteMacro(macroSlot, block.bytes);
    (void)link.Wait(kMacroWaitMs);
    return MacroButtonCode(macroSlot++, block.units);
  }
  return FixedButtonCode(assignment);
}

bool UploadSequence::Run() {
  // One session for the whole upload: once the link is closed, whatever is
  // left fails at once, even when the mouse was opened again meanwhile.
  LinkSession link = link_.Session();
  const ProfileRecord& record = store_.current_record;
  (void)link.Wait(kUploadStartWaitMs);

  KeyMatrix matrix;
  int macroSlot = 1;
  int progress = 0;
  for (int b = 0; b < kButtonCount; ++b) {
    hooks_.SetIntercept(kButtonEventCodes[static_cast<std::size_t>(b)], 1);
    observer_.OnProgress(progress);
    if (const auto code = ButtonCode(link, b, record.buttons[b], macroSlot)) {
      matrix.Set(kButtonMatrixSlots[static_cast<std::size_t>(b)], *code);
      (void)link.Wait(kButtonCodeWaitMs);
    }
    progress += 7;
  }
  matrix.Set(kFixedSlot, kFixedSlotCode);
  if (!link.WriteKeyMatrix(matrix.bytes)) return Fail(UploadError::key_matrix);
  observer_.OnProgress(60);

  if (!link.SetLedColor(LedColour(record))) return Fail(UploadError::colour);
  const LedEffectBytes effect = LedEffectValues(record);
  if (!link.SetLedEffect(effect.effect, effect.level, effect.variant)) return Fail(UploadError::effect);
  observer_.OnProgress(70);

  if (!link.SetTouchSensing(record.proximity_sensing == 1 ? 1 : 0, record.led_effect)) {
    return Fail(UploadError::touch);
  }
  observer_.OnProgress(75);

  const DpiTable dpi = BuildDpiTable(record.dpi_stages);
  if (!link.SetDpiTable(dpi.block)) return Fail(UploadError::dpi);
  (void)link.SetDpiSelect(dpi.Selector());  // not checked: the stages themselves are on the mouse
  observer_.OnProgress(80);

  observer_.ApplyPointerSettings(record.enhance_precision, record.pointer_speed, record.wheel_lines);
  observer_.OnProgress(90);

  (void)link.SetReportInterval(record.report_interval_ms);  // not checked, as the selector
  observer_.OnProgress(100);
  (void)link.Wait(kUploadEndWaitMs);
  observer_.OnUploadFinished();
  return true;
}

}  // namespace zk40
