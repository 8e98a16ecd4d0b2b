#pragma once
// The application object: one per process, reached through CApp::Current().
// WinMain hands over to RunApplication, which calls InitInstance and, only
// when that returns true, runs the message loop until WM_QUIT.

#include <windows.h>

namespace zk40 {

class CWnd;

class CApp {
 public:
  CApp();
  virtual ~CApp();
  CApp(const CApp&) = delete;
  CApp& operator=(const CApp&) = delete;

  static CApp* Current();
  HINSTANCE Instance() const { return instance_; }
  CWnd* MainWindow() const { return main_window_; }
  void SetMainWindow(CWnd* window) { main_window_ = window; }

  // Start-up of the program; false ends it without a message loop.
  virtual bool InitInstance() { return false; }
  virtual int ExitInstance() { return exit_code_; }

  int RunMain(HINSTANCE instance);

 protected:
  int exit_code_ = 0;

 private:
  HINSTANCE instance_ = nullptr;
  CWnd* main_window_ = nullptr;
};

}  // namespace zk40
