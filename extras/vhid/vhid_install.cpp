// vhid_install [install|remove]: puts the virtual ZK40 (zk40vhid.sys with
// zk40vhid.inf, both beside this program) on the machine as a root device, or
// takes it away again. Install returns once the mouse's HID interface is
// present, remove once it is gone; either gives up after a few seconds.
// Exit status 0 on success, 1 with a message otherwise.
#include <windows.h>
// windows.h first: the SetupDi headers depend on its types.
#include <newdev.h>
#include <setupapi.h>
// MinGW's hidsdi.h declares C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kInstanceId[] = L"ROOT\\VID_3E7A&PID_6D3B\\0";
// A multi-string: one id and the list's terminator.
constexpr wchar_t kHardwareIds[] = L"ROOT\\VID_3E7A&PID_6D3B\0";
// The HID interface carries the ids of the instance it belongs to.
constexpr wchar_t kInterfaceMark[] = L"vid_3e7a&pid_6d3b";
constexpr GUID kHidClassSetup = {0x745a17a0, 0x74d3, 0x11d0, {0xb6, 0xfe, 0x00, 0xa0, 0xc9, 0x0f, 0x57, 0xda}};
constexpr DWORD kSettleMs = 10000;

void Fail(const char* what) { std::fprintf(stderr, "vhid_install: %s failed (error %lu)\n", what, GetLastError()); }

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring result(path, length);
  result.resize(result.find_last_of(L"\\/") + 1);
  return result + name;
}

bool InterfacePresent() {
  GUID hid{};
  HidD_GetHidGuid(&hid);
  HDEVINFO list = SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (list == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  SP_DEVICE_INTERFACE_DATA itf{};
  itf.cbSize = sizeof itf;
  for (DWORD i = 0; !found && SetupDiEnumDeviceInterfaces(list, nullptr, &hid, i, &itf); ++i) {
    union {
      SP_DEVICE_INTERFACE_DETAIL_DATA_W detail;
      wchar_t storage[1024];
    } buffer{};
    buffer.detail.cbSize = sizeof buffer.detail;
    if (!SetupDiGetDeviceInterfaceDetailW(list, &itf, &buffer.detail, sizeof buffer, nullptr, nullptr)) continue;
    std::wstring path = buffer.detail.DevicePath;
    for (wchar_t& c : path) c = towlower(c);
    found = path.find(kInterfaceMark) != std::wstring::npos;
  }
  SetupDiDestroyDeviceInfoList(list);
  return found;
}

// Polls until the interface is present (or gone); the system starts and
// stops devices in the background.
bool WaitForInterface(bool present) {
  for (DWORD waited = 0; waited < kSettleMs; waited += 50) {
    if (InterfacePresent() == present) return true;
    Sleep(50);
  }
  return InterfacePresent() == present;
}

// Removes every root instance with the mouse's hardware id. True when none is left.
bool RemoveDevices() {
  HDEVINFO list = SetupDiGetClassDevsW(nullptr, L"ROOT", nullptr, DIGCF_ALLCLASSES);
  if (list == INVALID_HANDLE_VALUE) {
    Fail("listing the root devices");
    return false;
  }
  bool ok = true;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD i = 0; SetupDiEnumDeviceInfo(list, i, &device); ++i) {
    wchar_t ids[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID, nullptr, reinterpret_cast<BYTE*>(ids),
                                           sizeof ids - sizeof(wchar_t), nullptr))
      continue;
    if (_wcsicmp(ids, kHardwareIds) != 0) continue;
    if (!SetupDiCallClassInstaller(DIF_REMOVE, list, &device)) {
      Fail("removing the device");
      ok = false;
    }
  }
  SetupDiDestroyDeviceInfoList(list);
  return ok;
}

// Stops the driver's service once its device is gone, so that the system
// lets go of the driver: a rebuilt driver is loaded afresh at the next
// install instead of the old one living on in the running system. A service
// that is not there or not running is fine.
void StopService() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager) return;
  if (SC_HANDLE service = OpenServiceW(manager, L"zk40vhid", SERVICE_STOP | SERVICE_QUERY_STATUS)) {
    SERVICE_STATUS status{};
    if (ControlService(service, SERVICE_CONTROL_STOP, &status)) {
      for (DWORD waited = 0; waited < kSettleMs && status.dwCurrentState != SERVICE_STOPPED; waited += 50) {
        Sleep(50);
        if (!QueryServiceStatus(service, &status)) break;
      }
    }
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
}

bool Remove() {
  if (!RemoveDevices() || !WaitForInterface(false)) return false;
  StopService();
  return true;
}

bool Install() {
  // A device left behind by an earlier run is replaced, so that every
  // install starts from a freshly loaded driver.
  if (!Remove()) return false;
  HDEVINFO list = SetupDiCreateDeviceInfoList(&kHidClassSetup, nullptr);
  if (list == INVALID_HANDLE_VALUE) {
    Fail("creating a device list");
    return false;
  }
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  bool ok = SetupDiCreateDeviceInfoW(list, kInstanceId, &kHidClassSetup, nullptr, nullptr, 0, &device);
  if (!ok) Fail("creating the device");
  ok = ok && SetupDiSetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID,
                                               reinterpret_cast<const BYTE*>(kHardwareIds), sizeof kHardwareIds);
  if (!ok) Fail("setting the hardware id");
  ok = ok && SetupDiCallClassInstaller(DIF_REGISTERDEVICE, list, &device);
  if (!ok) Fail("registering the device");
  SetupDiDestroyDeviceInfoList(list);
  if (!ok) return false;

  const std::wstring inf = BesideThisProgram(L"zk40vhid.inf");
  BOOL reboot = FALSE;
  if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, L"ROOT\\VID_3E7A&PID_6D3B", inf.c_str(), INSTALLFLAG_FORCE,
                                          &reboot)) {
    Fail("installing the driver");
    RemoveDevices();
    return false;
  }
  if (!WaitForInterface(true)) {
    std::fprintf(stderr, "vhid_install: the driver is installed but no HID interface appeared\n");
    RemoveDevices();
    return false;
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool remove = argc > 1 && std::wcscmp(argv[1], L"remove") == 0;
  const DWORD start = GetTickCount();
  const bool ok = remove ? Remove() : Install();
  if (!ok) return 1;
  std::printf("%s in %lu ms\n", remove ? "removed" : "installed", GetTickCount() - start);
  return 0;
}
