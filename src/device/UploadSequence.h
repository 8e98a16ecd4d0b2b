#pragma once
// One upload of the current profile to the mouse: every bound macro, the key
// matrix, colour, effect, touch sensing, DPI table and stage selector, the
// Windows pointer settings and the report interval, in this fixed order and
// with the protocol's waits. It also rebuilds the hooks' intercept list, so
// that afterwards it holds exactly the buttons with a host action.

#include <cstdint>
#include <optional>

#include "device/CUSBDriver.h"
#include "settings/SettingsStore.h"
#include "shell/HookState.h"

namespace zk40 {

// The step a failed upload stopped at. The value is the error index the main
// window receives and shows a text for; 3 is not used.
enum class UploadError : int {
  key_matrix = 0,
  colour = 1,
  effect = 2,
  touch = 4,
  dpi = 5,
};

// How an upload reports; called on the upload's own thread, so the Win32
// layer posts each call on as a window message (1067, 1795, 1796) and does
// the pointer settings there and then.
class UploadObserver {
 public:
  virtual ~UploadObserver() = default;
  virtual void OnProgress(int percent) = 0;
  virtual void ApplyPointerSettings(int enhancePrecision, int pointerSpeed, int wheelLines) = 0;
  virtual void OnUploadFinished() = 0;
  virtual void OnUploadFailed(UploadError error) = 0;
};

// The waits of the upload itself, in milliseconds (the commands add their own).
inline constexpr std::uint32_t kUploadStartWaitMs = 50;
inline constexpr std::uint32_t kButtonCodeWaitMs = 50;  // after storing a button's code
inline constexpr std::uint32_t kMacroWaitMs = 50;       // after a macro's upload
inline constexpr std::uint32_t kUploadEndWaitMs = 300;  // before reporting success

class UploadSequence {
 public:
  // Reads the store's current record, bound macro ids and macro table.
  // The upload's own waits are the link's, so that a close cuts them short.
  UploadSequence(const SettingsStore& store, CUSBDriver& link, HookState& hooks, UploadObserver& observer);

  // Runs one upload; true when it finished, false when a step failed.
  [[nodiscard]] bool Run();

 private:
  // A button's key-matrix code; uploads its macro, and lists a host action's
  // event for the hooks. macroSlot is the next macro slot number.
  std::optional<std::uint32_t> ButtonCode(LinkSession& link, int button, const ButtonAssignment& assignment,
                                          int& macroSlot);
  bool Fail(UploadError error);

  const SettingsStore& store_;
  CUSBDriver& link_;
  HookState& hooks_;
  UploadObserver& observer_;
};

}  // namespace zk40
