#pragma once
// The Win32 side of the device link that is not HID: the link's hidden 1 x 1
// pop-up window, which gives it a window lifetime and handles no message, and
// the HID helper library HidParse.dll, whose export "OpenHidDevice" must be
// there for the device probe to run (it is looked up, never called).
#include <windows.h>

#include <string>

namespace zk40 {

inline constexpr char16_t kHidParseLibrary[] = u"HidParse.dll";
inline constexpr char kHidParseEntry[] = "OpenHidDevice";

class LinkWindow {
 public:
  // library: the helper's file name, looked for in the program's folder.
  explicit LinkWindow(std::u16string library = kHidParseLibrary);
  // Destroys the window if it is still there and frees the library.
  ~LinkWindow();
  LinkWindow(const LinkWindow&) = delete;
  LinkWindow& operator=(const LinkWindow&) = delete;

  // Creates the hidden window (once), loads the library and looks up its
  // export. 1 only when both the library and the export were found; the
  // window exists either way. mainWindow is not used.
  int CreateLinkWindow(HWND mainWindow);
  // When the main window closes: the hidden window goes.
  void Shutdown();

  HWND Handle() const { return window_; }

 private:
  std::u16string library_name_;
  HWND window_ = nullptr;
  HMODULE library_ = nullptr;
  FARPROC entry_ = nullptr;
};

}  // namespace zk40
