#pragma once
#include "shell/HostAction.h"

namespace zk40 {

// Host actions through the system: PlaySoundW for sounds (asynchronous, so
// the UI thread and the hooks never wait), ShellExecuteW "open" otherwise.
class ShellLauncher final : public HostLauncher {
 public:
  void PlaySoundAsync(const std::u16string& path) override;
  void ShellOpen(const std::u16string& target) override;
};

}  // namespace zk40
