#pragma once
// CZK40SDriverApp: the process of the driver. It keeps one copy running,
// fixes the install and data folders, loads a first language and runs the
// main window modally; the process ends with that window.

#include <windows.h>

#include <memory>

#include "framework/App.h"
#include "i18n/SharedXmlDocument.h"
#include "i18n/StringTable.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "settings/SettingsStore.h"
#include "shell/ApplicationStart.h"
#include "shell/HookState.h"
#include "skin/GdiPlus_win32.h"

namespace zk40 {

class CZK40SDriverApp final : public CApp, private StartSystem {
 public:
  CZK40SDriverApp();
  ~CZK40SDriverApp() override;

  bool InitInstance() override;

 private:
  bool CreateMutexExisted(const std::u16string& name) override;
  void WakeWindow(const std::u16string& title) override;
  std::u16string TempPath() override;
  std::u16string ProgramPath() override;
  void LoadLanguageFile(const std::u16string& path) override;
  void RunMainWindow() override;

  std::unique_ptr<GdiPlusSession> gdiplus_;
  HANDLE mutex_ = nullptr;
  std::unique_ptr<FileSystem> fs_;
  std::unique_ptr<CodePage> code_page_;
  std::unique_ptr<SharedXmlDocument> xml_;
  std::unique_ptr<SettingsStore> store_;  // too big for the stack
  StringTable strings_;
  HookState hooks_;
};

}  // namespace zk40
