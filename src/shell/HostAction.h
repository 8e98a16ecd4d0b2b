#pragma once
// What the main window does for a mouse event that the hooks reported: the
// host action bound to the button, if any.

#include <cstdint>
#include <optional>
#include <string>

#include "settings/ProfileLayout.h"

namespace zk40 {

inline constexpr std::uint32_t kHostActionSound = 0xC0;
inline constexpr std::uint32_t kHostActionProgram = 0xD0;
inline constexpr std::uint32_t kHostActionFile = 0xE0;
inline constexpr std::uint32_t kHostActionFolder = 0xF0;

struct HostAction {
  enum class Kind { play_sound, shell_open };
  Kind kind;
  std::u16string target;  // as passed to the system: quoted where needed
};

// The button a reported mouse event code stands for, for executing host
// actions; the left button (513) and unknown codes have none.
std::optional<int> HostActionButton(std::uint32_t eventCode);

// The action for a reported event under the current record, or none.
std::optional<HostAction> HostActionFor(std::uint32_t eventCode, const ProfileRecord& record);

// Carries out host actions; the Win32 one plays and opens for real.
class HostLauncher {
 public:
  virtual ~HostLauncher() = default;
  // Starts playing a sound file and returns at once; a sound still playing stops.
  virtual void PlaySoundAsync(const std::u16string& path) = 0;
  // Opens with the shell verb "open", shown normally.
  virtual void ShellOpen(const std::u16string& target) = 0;
};

// Finds and carries out the action for a reported event; true when one ran.
bool ExecuteHostAction(std::uint32_t eventCode, const ProfileRecord& record, HostLauncher& launcher);

}  // namespace zk40
