#include "device/LinkWindow_win32.h"

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

constexpr wchar_t kClassName[] = L"ZK40LinkWindow";

bool RegisterLinkClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

// The library is taken from the program's folder only, never from the
// current folder or the search path, where any file of that name could be.
std::wstring ProgramFolderPath(const std::u16string& file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return path + Wide(file);
}

}  // namespace

LinkWindow::LinkWindow(std::u16string library) : library_name_(std::move(library)) {}

LinkWindow::~LinkWindow() {
  Shutdown();
  if (library_) FreeLibrary(library_);
}

int LinkWindow::CreateLinkWindow(HWND /*mainWindow*/) {
  if (!window_ && RegisterLinkClass()) {
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 1, 1, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  }
  if (!library_) {
    const std::wstring path = ProgramFolderPath(library_name_);
    if (!path.empty()) library_ = LoadLibraryW(path.c_str());
    if (library_) entry_ = GetProcAddress(library_, kHidParseEntry);
  }
  return library_ && entry_ ? 1 : 0;
}

void LinkWindow::Shutdown() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

}  // namespace zk40
