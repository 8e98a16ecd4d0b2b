#include "StandinTrace.h"

#include <windows.h>
#include <shellapi.h>

namespace standin {

std::vector<std::wstring> Arguments() {
  std::vector<std::wstring> result;
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!words) return result;
  for (int i = 1; i < count; ++i) result.emplace_back(words[i]);
  LocalFree(words);
  return result;
}

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string result(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
  return result;
}

}  // namespace

void AppendTrace(const wchar_t* program, const std::vector<std::wstring>& arguments) {
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring path = std::wstring(windows, length) + L"\\temp\\zk40standins.log";

  std::wstring line = program;
  for (const std::wstring& argument : arguments) line += L' ' + argument;
  const std::string bytes = Utf8(line) + "\r\n";

  // Appending writes land at the end even when two programs write at once.
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace standin
