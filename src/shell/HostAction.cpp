#include "shell/HostAction.h"

#include <algorithm>

#include "platform/Utf16Text.h"
#include "protocol/FunctionTable.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {

std::optional<int> HostActionButton(std::uint32_t eventCode) {
  // The left button is left out: its host action is swallowed but never run.
  const auto first = kButtonEventCodes.begin() + 1;
  const auto it = std::find(first, kButtonEventCodes.end(), eventCode);
  if (it == kButtonEventCodes.end()) return std::nullopt;
  return static_cast<int>(it - kButtonEventCodes.begin());
}

std::optional<HostAction> HostActionFor(std::uint32_t eventCode, const ProfileRecord& record) {
  const std::optional<int> button = HostActionButton(eventCode);
  if (!button) return std::nullopt;
  const ButtonAssignment& assignment = record.buttons[*button];
  if (assignment.function_type != kHostActionType) return std::nullopt;
  const std::u16string path = ReadFixedText(assignment.target_path);
  if (path.empty()) return std::nullopt;
  switch (assignment.host_action_kind) {
    case kHostActionSound:
      return HostAction{HostAction::Kind::play_sound, path};
    case kHostActionProgram:
      return HostAction{HostAction::Kind::shell_open, path};
    case kHostActionFile:
    case kHostActionFolder:
      if (path.find(u' ') != std::u16string::npos) return HostAction{HostAction::Kind::shell_open, u"\"" + path + u"\""};
      return HostAction{HostAction::Kind::shell_open, path};
    default:
      return std::nullopt;
  }
}

bool ExecuteHostAction(std::uint32_t eventCode, const ProfileRecord& record, HostLauncher& launcher) {
  const std::optional<HostAction> action = HostActionFor(eventCode, record);
  if (!action) return false;
  if (action->kind == HostAction::Kind::play_sound) {
    launcher.PlaySoundAsync(action->target);
  } else {
    launcher.ShellOpen(action->target);
  }
  return true;
}

}  // namespace zk40
