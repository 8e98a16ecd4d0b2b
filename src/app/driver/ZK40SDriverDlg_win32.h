#pragma once
// CZK40SDriverDlg: the program's only top-level window. A borderless skinned
// dialog that hosts the five pages under five tabs, the five profile buttons
// and Apply, owns the tray icon and the mouse's link, and receives the
// program's own window messages. It starts hidden, is shown once the mouse
// was found, and hides to the tray rather than closing.

#include <memory>
#include <string>

#include "app/driver/DriverDevice_win32.h"
#include "app/driver/MainWindowButtons_win32.h"
#include "app/driver/TrayIcon_win32.h"
#include "device/DeviceNotification_win32.h"
#include "framework/Dialog.h"
#include "i18n/SharedXmlDocument.h"
#include "macros/MacroStore.h"
#include "pages/DlgInfo_win32.h"
#include "pages/DlgProgress_win32.h"
#include "pages/DlgLEDSet_win32.h"
#include "pages/DlgMacro_win32.h"
#include "pages/DlgMainSet_win32.h"
#include "pages/DlgSts_win32.h"
#include "pages/DlgSupport_win32.h"
#include "pages/PageContext_win32.h"
#include "platform/KeyboardLayout_win32.h"
#include "settings/ProfileFiles.h"
#include "shell/HookState.h"
#include "shell/ShellLauncher_win32.h"

namespace zk40 {

class CMenuExA;

// What the application object shares with its main window.
struct DriverContext {
  SettingsStore& store;
  StringTable& strings;
  SharedXmlDocument& xml;
  FileSystem& fs;
  HookState& hooks;
};

class CZK40SDriverDlg final : public CDialog, private ProfileView, private PresenceWindow, private UpdateHost {
 public:
  explicit CZK40SDriverDlg(const DriverContext& context);
  ~CZK40SDriverDlg() override;

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnPaint() override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;

 private:
  // Initialisation steps, in their order.
  void LoadFirstLanguage();
  void CreateControls();
  bool CreatePages();
  void ProbeDevice();
  void StartWithMouse();
  // Once the window is drawn, one at a time: the tray icon, then the hidden
  // pages' backgrounds. False when nothing is left to do.
  bool FinishStartStep();

  // Controls and tray.
  void SelectTab(int tab);
  void SelectProfile(int profile);
  void OnApply();
  void StartUpload();
  void OpenLanguagePopup();
  void ShowFromTray();
  void HideToTray();
  void ResetHookReporting();
  void CloseGameMenu();

  // Messages.
  void OnApplyLanguage(WPARAM wp, LPARAM lp);
  void OnUploadFinished();
  void OnUploadFailed(LPARAM errorIndex);
  void OnRestoreDefaults();
  void OnHostMouseEvent(WPARAM code);
  void OnShowHint(LPARAM hint);
  void OnTrayIcon(LPARAM mouseMessage);
  bool OnQueryEndSession(LRESULT& result, WPARAM wp, LPARAM lp);
  void SetCaptions();
  void InvalidateHint();

  // ProfileView
  void ShowProfileSelected(int profile, bool selected) override;
  void RefreshPages() override;
  // PresenceWindow
  bool UploadReady() override { return device_->UploadReady(); }
  void SetUploadReadyQuietly() override;
  // The support page shows it, the update check compares against it.
  void SetFirmwareText(const std::u16string& text) override;
  void InstallHooks() override;
  void RemoveHooks() override;
  void PostClose() override { PostMessage(WM_CLOSE); }
  // UpdateHost: the answer timer runs on the support page, whose timer handler owns it.
  void StartAnswerTimer(std::uint32_t ms) override { support_.SetTimer(kUpdateTimerId, ms); }
  void KillAnswerTimer() override { ::KillTimer(support_.GetSafeHwnd(), kUpdateTimerId); }
  void OpenFlasher(const std::u16string& program, const std::u16string& parameter) override;
  void CloseProgram() override { PostMessage(WM_CLOSE); }

  DriverContext context_;
  DialogNotifier notices_;
  ProfileFiles profiles_;
  MacroStore macros_;
  SystemClock clock_;
  ShellLauncher launcher_;
  Win32KeyboardLayout keyboard_;
  PageContext pages_;
  std::unique_ptr<DriverDevice> device_;
  Bitmap skin_normal_, skin_over_, skin_down_;
  MainWindowButtons buttons_;
  CDlgMainSet buttons_page_;
  CDlgLEDSet lighting_;
  CDlgMacro macro_;
  CDlgSts statistics_;
  CDlgSupport support_;
  CDlgProgress progress_;
  bool pages_created_ = false;
  TrayIcon tray_;
  bool tray_added_ = false;
  std::size_t backgrounds_loaded_ = 0;
  int paint_waits_ = 0;
  HICON icon_ = nullptr;
  HICON small_icon_ = nullptr;
  std::u16string hint_;
  CMenuExA* language_popup_ = nullptr;
  DeviceNotification notification_;
  int flag_language_ = 2;
  bool closing_ = false;
};

}  // namespace zk40
