// support_probe INSTALL_FOLDER LANGUAGE_FILE FIRMWARE [--chinese]: the support
// page with the skins of INSTALL_FOLDER and the texts of LANGUAGE_FILE, in an
// owner window of the main window's size, showing FIRMWARE as the mouse's
// version ("-" for none read). Prints
//   ready X Y      the owner's screen position, once the page shows
//   hint N         each hint the page posts to its owner
//   restore        message 2054 (restore defaults) reaching the owner
// A right click on the owner ends it; it ends by itself after 60 seconds.
// Paths given as /unix/paths are reached through Wine's Z: drive.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "ProbeOutput.h"
#include "ProbeSettings.h"
#include "pages/DlgSupport_win32.h"
#include "platform/KeyboardLayout_win32.h"
#include "platform/WindowMessages.h"
#include "skin/GdiPlus_win32.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kEndTimer = 1;

class Owner final : public CWnd, public ProfileView {
 public:
  void ShowProfileSelected(int, bool) override {}
  void RefreshPages() override {}

 protected:
  bool OnUserMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
    result = 0;
    if (msg == msg::kShowHint) Print("hint %ld\n", static_cast<long>(lp));
    if (msg == msg::kRestoreDefaults) Print("restore\n");
    return msg == msg::kShowHint || msg == msg::kRestoreDefaults;
  }
  bool OnRButtonUp(UINT, POINT) override {
    PostQuitMessage(0);
    return true;
  }
  bool OnTimer(UINT_PTR id) override {
    if (id == kEndTimer) PostQuitMessage(0);
    return id == kEndTimer;
  }
};

int Run(const std::u16string& install, const std::u16string& languageFile, const std::u16string& firmware,
        bool chinese) {
  ProbeSettings settings(install, languageFile, chinese);
  FileSystem& files = *settings.files;
  StringTable& strings = settings.strings;
  SettingsStore& store = *settings.store;

  Owner owner;
  WindowCreateArgs args;
  args.title = u"support probe";
  args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  const layout::Size size = layout::main_window::kSize;
  args.rect = RECT{0, 0, size.width, size.height};
  if (!owner.Create(args)) return 1;
  SetForegroundWindow(owner.GetSafeHwnd());

  HookState hooks;
  DialogNotifier notices(store, owner.GetSafeHwnd());
  ProfileFiles profiles(store, files, notices, strings, owner);
  SystemClock clock;
  MacroStore macros(store, files, notices, strings, clock);
  ShellLauncher launcher;
  Win32KeyboardLayout keyboard;
  const PageContext context{store,  strings, settings.document, files,    hooks,
                            notices, macros,  profiles,          clock,    launcher, keyboard};
  CDlgSupport page(&owner, context);
  if (!page.CreatePage(install, true)) return 1;
  page.SetFirmwareText(firmware);
  page.ShowWindow(SW_SHOW);
  const RECT r = owner.GetWindowRect();
  Print("ready %ld %ld\n", r.left, r.top);
  owner.SetTimer(kEndTimer, 60000);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (page.PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  page.DestroyWindow();
  return 0;
}

}  // namespace
}  // namespace zk40

int main(int argc, char** argv) {
  zk40::GdiPlusSession gdiplus;
  if (argc < 4) {
    std::fprintf(stderr, "usage: support_probe INSTALL_FOLDER LANGUAGE_FILE FIRMWARE|- [--chinese]\n");
    return 2;
  }
  const std::string firmware = argv[3];
  const std::u16string firmwareText = firmware == "-" ? std::u16string() : zk40::WindowsPath(argv[3]);
  const bool chinese = argc >= 5 && std::strcmp(argv[4], "--chinese") == 0;
  return zk40::Run(zk40::WindowsPath(argv[1]), zk40::WindowsPath(argv[2]), firmwareText, chinese);
}
