// control_gallery [buttons|lighting|macros|progress] [--chinese] [INSTALL_FOLDER]:
// shows the skinned controls on their pages with the real skin until the
// window is closed (Alt+F4) or right-clicked. INSTALL_FOLDER holds the
// skins folder (default: the install folder image beside the program's folder).
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <vector>

#include "app/gallery/Gallery_win32.h"
#include "framework/App.h"
#include "platform/WideText_win32.h"

namespace {

class GalleryApp final : public zk40::CApp {
 public:
  bool InitInstance() override {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; i < count; ++i) args.push_back(zk40::FromWide(words[i]));
    LocalFree(words);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::u16string folder = std::filesystem::path(program).parent_path().u16string();
    zk40::gallery::Options options;
    if (!zk40::gallery::ParseArguments(args, folder, options)) {
      MessageBoxW(nullptr, L"control_gallery [buttons|lighting|macros|progress] [--chinese] [INSTALL_FOLDER]",
                  L"ZK40 control gallery", MB_OK);
      return false;
    }
    if (!gallery_.Open(options)) return false;
    gallery_.EndProgramWhenClosed();
    ShowWindow(gallery_.Window(), SW_SHOW);
    return true;
  }

 private:
  zk40::GdiPlusSession gdiplus_;
  zk40::gallery::Gallery gallery_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  GalleryApp app;
  return app.RunMain(instance);
}
