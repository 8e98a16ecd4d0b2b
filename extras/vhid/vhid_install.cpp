// vhid_install [install|remove] [mouse|update-mode]: plugs a virtual ZK40
// into the machine, or pulls it out again.
//   mouse        the mouse itself (zk40vhid.sys with zk40vhid.inf): a root
//                device with the mouse's HID interface and USB device interface
//   update-mode  the mouse in firmware-update mode (zk40update.sys with
//                zk40update.inf): a virtual USB port with the update-mode
//                device plugged into it
// Both drivers and INFs lie beside this program. "install" is the default
// verb and the mouse its default device; "remove" without a device pulls out
// both. Install returns once the device's interfaces are present, remove once
// they are gone; either gives up after a few seconds. Exit status 0 on
// success, 1 with a message otherwise, 2 for an unknown argument.
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
#include <vector>

namespace {

constexpr GUID kUsbDeviceInterface = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
constexpr GUID kHidClassSetup = {0x745a17a0, 0x74d3, 0x11d0, {0xb6, 0xfe, 0x00, 0xa0, 0xc9, 0x0f, 0x57, 0xda}};
constexpr GUID kSystemClassSetup = {0x4d36e97d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr DWORD kSettleMs = 10000;

// An interface whose device path carries a mark (lower case).
struct InterfaceMark {
  bool hid;  // else the USB device interface
  const wchar_t* mark;
};

struct VirtualDevice {
  const wchar_t* name;
  // The root device's one hardware id; its instance id is this id followed by \0.
  const wchar_t* hardware_id;
  GUID setup_class;
  const wchar_t* inf;
  const wchar_t* service;
  // Present while the device runs, in the order they come.
  std::vector<InterfaceMark> interfaces;
  // A device the root device brings along: the system keeps its entry after
  // the device went, and the entry alone already lists it as present. Null
  // when there is none.
  const wchar_t* child_enumerator;
  const wchar_t* child_hardware_id;
};

const VirtualDevice kMouse = {
    .name = L"mouse",
    .hardware_id = L"ROOT\\VID_3E7A&PID_6D3B",
    .setup_class = kHidClassSetup,
    .inf = L"zk40vhid.inf",
    .service = L"zk40vhid",
    .interfaces = {{false, L"vid_3e7a&pid_6d3b"}, {true, L"vid_3e7a&pid_6d3b"}},
    .child_enumerator = nullptr,
    .child_hardware_id = nullptr,
};
const VirtualDevice kUpdateMode = {
    .name = L"update-mode",
    .hardware_id = L"ROOT\\ZK40_UPDATE_PORT",
    .setup_class = kSystemClassSetup,
    .inf = L"zk40update.inf",
    .service = L"zk40update",
    .interfaces = {{false, L"vid_04d9&pid_8022"}},
    .child_enumerator = L"USB",
    .child_hardware_id = L"USB\\VID_04D9&PID_8022&REV_0100",
};

void Fail(const char* what) { std::fprintf(stderr, "vhid_install: %s failed (error %lu)\n", what, GetLastError()); }

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring result(path, length);
  result.resize(result.find_last_of(L"\\/") + 1);
  return result + name;
}

bool InterfacePresent(const InterfaceMark& wanted) {
  GUID guid = kUsbDeviceInterface;
  if (wanted.hid) HidD_GetHidGuid(&guid);
  HDEVINFO list = SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (list == INVALID_HANDLE_VALUE) return false;
  bool found = false;
  SP_DEVICE_INTERFACE_DATA itf{};
  itf.cbSize = sizeof itf;
  for (DWORD i = 0; !found && SetupDiEnumDeviceInterfaces(list, nullptr, &guid, i, &itf); ++i) {
    union {
      SP_DEVICE_INTERFACE_DETAIL_DATA_W detail;
      wchar_t storage[1024];
    } buffer{};
    buffer.detail.cbSize = sizeof buffer.detail;
    if (!SetupDiGetDeviceInterfaceDetailW(list, &itf, &buffer.detail, sizeof buffer, nullptr, nullptr)) continue;
    std::wstring path = buffer.detail.DevicePath;
    for (wchar_t& c : path) c = towlower(c);
    found = path.find(wanted.mark) != std::wstring::npos;
  }
  SetupDiDestroyDeviceInfoList(list);
  return found;
}

bool AllInterfaces(const VirtualDevice& device, bool present) {
  for (const InterfaceMark& itf : device.interfaces)
    if (InterfacePresent(itf) != present) return false;
  return true;
}

// Polls until every interface of the device is present (or all are gone);
// the system starts and stops devices in the background.
bool WaitForInterfaces(const VirtualDevice& device, bool present) {
  for (DWORD waited = 0; waited < kSettleMs; waited += 50) {
    if (AllInterfaces(device, present)) return true;
    Sleep(50);
  }
  return AllInterfaces(device, present);
}

// Removes every device of the enumerator whose first hardware id is id.
// True when none is left.
bool RemoveDevices(const wchar_t* enumerator, const wchar_t* id) {
  HDEVINFO list = SetupDiGetClassDevsW(nullptr, enumerator, nullptr, DIGCF_ALLCLASSES);
  if (list == INVALID_HANDLE_VALUE) {
    // An enumerator that never had a device has no list to give.
    if (GetLastError() == ERROR_INVALID_DATA) return true;
    Fail("listing the devices");
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
    if (_wcsicmp(ids, id) != 0) continue;
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
void StopService(const wchar_t* name) {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager) return;
  if (SC_HANDLE service = OpenServiceW(manager, name, SERVICE_STOP | SERVICE_QUERY_STATUS)) {
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

bool Remove(const VirtualDevice& device) {
  if (!RemoveDevices(L"ROOT", device.hardware_id) || !WaitForInterfaces(device, false)) return false;
  if (device.child_enumerator && !RemoveDevices(device.child_enumerator, device.child_hardware_id)) return false;
  StopService(device.service);
  return true;
}

bool Install(const VirtualDevice& device) {
  // A device left behind by an earlier run is replaced, so that every
  // install starts from a freshly loaded driver.
  if (!Remove(device)) return false;
  HDEVINFO list = SetupDiCreateDeviceInfoList(&device.setup_class, nullptr);
  if (list == INVALID_HANDLE_VALUE) {
    Fail("creating a device list");
    return false;
  }
  const std::wstring instance = std::wstring(device.hardware_id) + L"\\0";
  // A multi-string: the one id and the list's terminator.
  const std::wstring ids = std::wstring(device.hardware_id) + L'\0';
  SP_DEVINFO_DATA info{};
  info.cbSize = sizeof info;
  bool ok = SetupDiCreateDeviceInfoW(list, instance.c_str(), &device.setup_class, nullptr, nullptr, 0, &info);
  if (!ok) Fail("creating the device");
  ok = ok && SetupDiSetDeviceRegistryPropertyW(list, &info, SPDRP_HARDWAREID, reinterpret_cast<const BYTE*>(ids.c_str()),
                                               static_cast<DWORD>((ids.size() + 1) * sizeof(wchar_t)));
  if (!ok) Fail("setting the hardware id");
  ok = ok && SetupDiCallClassInstaller(DIF_REGISTERDEVICE, list, &info);
  if (!ok) Fail("registering the device");
  SetupDiDestroyDeviceInfoList(list);
  if (!ok) return false;

  const std::wstring inf = BesideThisProgram(device.inf);
  BOOL reboot = FALSE;
  if (!UpdateDriverForPlugAndPlayDevicesW(nullptr, device.hardware_id, inf.c_str(), INSTALLFLAG_FORCE, &reboot)) {
    Fail("installing the driver");
    Remove(device);
    return false;
  }
  if (!WaitForInterfaces(device, true)) {
    std::fprintf(stderr, "vhid_install: the driver is installed but the device's interfaces did not appear\n");
    Remove(device);
    return false;
  }
  return true;
}

const VirtualDevice* DeviceNamed(const wchar_t* name) {
  for (const VirtualDevice* device : {&kMouse, &kUpdateMode})
    if (std::wcscmp(name, device->name) == 0) return device;
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int next = 1;
  bool remove = false;
  if (next < argc && (std::wcscmp(argv[next], L"remove") == 0 || std::wcscmp(argv[next], L"install") == 0))
    remove = std::wcscmp(argv[next++], L"remove") == 0;
  std::vector<const VirtualDevice*> devices;
  if (next < argc) {
    devices.push_back(DeviceNamed(argv[next++]));
  } else if (remove) {
    devices = {&kMouse, &kUpdateMode};
  } else {
    devices = {&kMouse};
  }
  if (next < argc || devices.front() == nullptr) {
    std::fprintf(stderr, "usage: vhid_install [install|remove] [mouse|update-mode]\n");
    return 2;
  }

  const DWORD start = GetTickCount();
  for (const VirtualDevice* device : devices)
    if (!(remove ? Remove(*device) : Install(*device))) return 1;
  std::printf("%s in %lu ms\n", remove ? "removed" : "installed", GetTickCount() - start);
  return 0;
}
