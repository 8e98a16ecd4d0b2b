#include "platform/LateLibrary_win32.h"

#include <string>

namespace zk40 {

FARPROC LoadLateExport(const wchar_t* library, const char* name) {
  // By its full path in the system folder: a library of the same name in
  // the program's folder or the current one is never loaded in its place.
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + library;
  HMODULE module = LoadLibraryW(path.c_str());
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace zk40
