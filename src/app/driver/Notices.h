#pragma once
// How the main window talks to the user: the notice with or without Cancel,
// the counting-down notice of presence and start-up, and the message box
// titled "Info" of the file results.

#include <windows.h>

#include "platform/CountdownNotifier.h"
#include "platform/UserNotifier.h"
#include "settings/SettingsStore.h"

namespace zk40 {

class DriverNotices final : public UserNotifier, public CountdownNotifier {
 public:
  explicit DriverNotices(const SettingsStore& store) : store_(store) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  bool ShowNotice(const std::u16string& text, bool withCancel) override;
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;
  void ShowCountdownNotice(const std::u16string& text) override;

 private:
  const SettingsStore& store_;
  HWND owner_ = nullptr;
};

}  // namespace zk40
