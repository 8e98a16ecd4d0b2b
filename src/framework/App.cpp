#include "framework/App.h"

#include "framework/MessageLoop.h"

namespace zk40 {
namespace {
CApp* g_current = nullptr;
}

CApp::CApp() { g_current = this; }

CApp::~CApp() {
  if (g_current == this) g_current = nullptr;
}

CApp* CApp::Current() { return g_current; }

int CApp::RunMain(HINSTANCE instance) {
  instance_ = instance;
  if (InitInstance()) {
    const bool never = false;
    RunMessageLoop(never);
  }
  return ExitInstance();
}

}  // namespace zk40
