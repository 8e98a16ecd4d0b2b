// framework_demo: shows the demo dialog until it is closed (Alt+F4).
#include "app/demo/DemoDialogs_win32.h"
#include "framework/App.h"

namespace {

class DemoApp final : public zk40::CApp {
 public:
  bool InitInstance() override {
    zk40::CDemoDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    SetMainWindow(nullptr);
    return false;
  }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  DemoApp app;
  return app.RunMain(instance);
}
