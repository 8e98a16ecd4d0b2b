// Opens the upload progress dialog and prints each key its keyboard filter
// drops ("dropped MESSAGE KEY", in hex); progress 60 comes at once and 100
// after the time given (ms, default 5000), so the dialog closes half a
// second after that unless something closed it earlier. Prints
// "ready X Y W H" when the dialog is up and "closed MS RESULT" at the end,
// MS counted from "ready".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "pages/DlgProgress_win32.h"
#include "platform/WindowMessages.h"

namespace zk40 {
namespace {

class ProbeProgress : public CDlgProgress {
 public:
  bool PreTranslateMessage(MSG& msg) override {
    if (IsDroppedProgressKey(msg.message, msg.wParam)) {
      std::printf("dropped %#x %#x\n", msg.message, static_cast<unsigned>(msg.wParam));
      std::fflush(stdout);
    }
    return CDlgProgress::PreTranslateMessage(msg);
  }
};

HWND g_window = nullptr;

}  // namespace
}  // namespace zk40

int main(int argc, char** argv) {
  using namespace zk40;
  const UINT hold = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 5000;
  GdiPlusSession gdiplus;
  // The store holds the whole macro table: too big for the stack.
  const auto settings = std::make_unique<SettingsStore>();
  const std::string skins = std::string("Z:") + ZK40_SKIN_SETS_DIR + "/en";
  settings->install_folder.assign(skins.begin(), skins.end());
  ProbeProgress progress;
  DWORD opened = 0;
  const INT_PTR result = progress.RunModal(nullptr, *settings, [&](HWND hwnd) {
    g_window = hwnd;
    RECT r{};
    GetWindowRect(hwnd, &r);
    std::printf("ready %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
    opened = GetTickCount();
    PostMessageW(hwnd, msg::kUploadProgress, 60, 0);
    SetTimer(nullptr, 0, hold, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      PostMessageW(g_window, msg::kUploadProgress, 100, 0);
    });
  });
  std::printf("closed %lu %d\n", GetTickCount() - opened, static_cast<int>(result));
  std::fflush(stdout);
  return 0;
}
