#pragma once
#include <array>

#include "settings/ProfileFiles.h"

namespace zk40::test {

// Remembers what the main window would show of the profile buttons.
class RecordingProfileView final : public ProfileView {
 public:
  std::array<bool, 5> selected{};
  int refreshes = 0;
  void ShowProfileSelected(int profile, bool on) override { selected[static_cast<std::size_t>(profile - 1)] = on; }
  void RefreshPages() override { ++refreshes; }
};

}  // namespace zk40::test
