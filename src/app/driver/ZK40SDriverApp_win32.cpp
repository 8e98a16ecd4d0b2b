#include "app/driver/ZK40SDriverApp_win32.h"

#include <commctrl.h>

#include "app/driver/ZK40SDriverDlg_win32.h"
#include "i18n/LanguageLoader.h"
#include "platform/SystemFileSystem.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"

namespace zk40 {

CZK40SDriverApp::CZK40SDriverApp()
    : fs_(CreateSystemFileSystem()),
      code_page_(CreateSystemCodePage()),
      xml_(std::make_unique<SharedXmlDocument>(*fs_, *code_page_)),
      store_(std::make_unique<SettingsStore>()) {}

CZK40SDriverApp::~CZK40SDriverApp() {
  if (mutex_) CloseHandle(mutex_);
}

bool CZK40SDriverApp::InitInstance() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  gdiplus_ = std::make_unique<GdiPlusSession>();
  (void)RunApplicationStart(*this, *store_);
  // The process ends with the main window: no message loop follows.
  return false;
}

bool CZK40SDriverApp::CreateMutexExisted(const std::u16string& name) {
  mutex_ = CreateMutexW(nullptr, FALSE, Wide(name));
  return mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

void CZK40SDriverApp::WakeWindow(const std::u16string& title) {
  if (HWND running = FindWindowW(nullptr, Wide(title))) {
    PostMessageW(running, msg::kTrayIcon, 0, kWakeTrayMessage);
  }
}

std::u16string CZK40SDriverApp::TempPath() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, path);
  return length > 0 && length <= MAX_PATH ? FromWide(path) : std::u16string();
}

std::u16string CZK40SDriverApp::ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return FromWide(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

void CZK40SDriverApp::LoadLanguageFile(const std::u16string& path) { zk40::LoadLanguageFile(*xml_, path, strings_); }

void CZK40SDriverApp::RunMainWindow() {
  auto window = std::make_unique<CZK40SDriverDlg>(DriverContext{*store_, strings_, *xml_, *fs_, hooks_});
  SetMainWindow(window.get());
  (void)window->DoModal();
  SetMainWindow(nullptr);
}

}  // namespace zk40

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  zk40::CZK40SDriverApp app;
  return app.RunMain(instance);
}
