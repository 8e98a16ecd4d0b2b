// HidParse.dll: the HID helper library the driver checks for at start-up.
// Its one export opens a HID interface path for shared reading and writing.
#include <windows.h>

extern "C" __declspec(dllexport) HANDLE __cdecl OpenHidDevice(const wchar_t* path) {
  if (!path || !*path) return INVALID_HANDLE_VALUE;
  return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OVERLAPPED, nullptr);
}
