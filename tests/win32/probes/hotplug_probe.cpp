// hotplug_probe: the program's hot-plug path on the system's own device
// stack. A hidden window registers for USB device broadcasts as the main
// window does and hands them to presence, which drives the real link
// (CUSBDriver on HidSystemWin32). The probe then plugs the virtual ZK40 in,
// plugs in and pulls out the mouse in firmware-update mode (another USB
// device to the program), and pulls the mouse out, each with vhid_install.exe
// beside it, and prints one line per event as it happens:
//   registered N                 the window's registration for USB devices
//   plug|unplug DEVICE STATUS    vhid_install.exe's exit status
//   arrival|removal NAME         a broadcast, with its device name
//   presence ENTRY               what presence did (firmware text, hooks, notices, close)
//   scan N                       the USB device scan for the firmware-update device
//   link open N                  whether presence's link is open
//   open N                       a fresh link's OpenDevice after the mouse went
// Exit status 0 when every step finished, 77 when the virtual mouse cannot be
// installed here, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "device/CUSBDriver.h"
#include "device/DeviceNotification_win32.h"
#include "device/Presence.h"
#include "device/UsbDeviceScan_win32.h"
#include "platform/Clock.h"
#include "platform/HidSystem_win32.h"
#include "platform/ThreadTimer_win32.h"
#include "platform/Utf16Text.h"
#include "protocol/DeviceIdText.h"
#include "support/PresenceFakes.h"

namespace {

using zk40::Utf16ToUtf8;

constexpr DWORD kSettleMs = 15000;

void Print(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Everything the main window holds for presence, on this thread.
struct HotPlug {
  zk40::HidSystemWin32 hid;
  zk40::SystemClock clock;
  zk40::CUSBDriver link{hid, clock};
  zk40::SettingsStore settings;
  zk40::test::RecordingPresenceWindow window;
  zk40::ThreadTimer retry;
  zk40::Presence presence{link, window, window, retry, settings, clock};
  std::size_t printed = 0;
  int firmware_arrivals = 0;
  int firmware_removals = 0;

  // Prints what presence did since the last call.
  void PrintPresence() {
    for (; printed < window.log.size(); ++printed) Print("presence " + window.log[printed]);
  }
};

HotPlug* g_hot_plug = nullptr;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_DEVICECHANGE || !g_hot_plug) return DefWindowProcW(hwnd, message, wparam, lparam);
  zk40::DeviceBroadcast broadcast;
  if (zk40::ReadDeviceBroadcast(wparam, lparam, broadcast)) {
    const bool arrival = broadcast.event == zk40::kDeviceArrival;
    Print((arrival ? "arrival " : "removal ") + Utf16ToUtf8(broadcast.device_name));
    if (zk40::ContainsIgnoringCase(broadcast.device_name, zk40::kFirmwareUpdateDeviceText))
      ++(arrival ? g_hot_plug->firmware_arrivals : g_hot_plug->firmware_removals);
  }
  const LRESULT result = zk40::OnDeviceChange(g_hot_plug->presence, wparam, lparam);
  g_hot_plug->PrintPresence();
  return result;
}

// Dispatches this thread's messages until done() or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = kSettleMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // Ticks of the retry timer print through here too.
    g_hot_plug->PrintPresence();
    if (done()) return true;
    if (GetTickCount() - start >= ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

// Runs vhid_install.exe with the arguments while this thread keeps handling
// its messages (the system delivers the broadcasts meanwhile). Its exit
// status, or -1 when it could not run or did not end.
int RunInstaller(const std::wstring& arguments) {
  // A bare program name is looked for first in this program's own folder.
  std::wstring command = L"vhid_install.exe " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  CloseHandle(process.hThread);
  const bool ended = PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000);
  DWORD status = static_cast<DWORD>(-1);
  if (ended) GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

int Plug(const char* verb, const wchar_t* arguments, const char* device) {
  const int status = RunInstaller(arguments);
  Print(std::string(verb) + " " + device + " " + std::to_string(status));
  return status;
}

void PrintScan() { Print("scan " + std::to_string(zk40::FindUsbDevice(std::u16string(zk40::kFirmwareUpdateDeviceText)))); }
void PrintLinkOpen(HotPlug& hotPlug) { Print(std::string("link open ") + (hotPlug.link.IsOpen() ? "1" : "0")); }

int Run(HWND hwnd, HotPlug& hotPlug) {
  zk40::DeviceNotification notification;
  Print(std::string("registered ") + (notification.Register(hwnd) ? "1" : "0"));
  if (!notification.Registered()) return 1;

  if (Plug("plug", L"install mouse", "mouse") != 0) {
    Print("the virtual mouse could not be installed on this machine: skipped");
    return 77;
  }
  // The mouse's interface may come a little after its USB device: presence
  // retries until the link opens.
  if (!PumpUntil([&] { return hotPlug.link.IsOpen() && !hotPlug.presence.ArrivalPending(); })) return 1;

  if (Plug("plug", L"install update-mode", "update-mode") != 0) return 1;
  if (!PumpUntil([&] { return hotPlug.firmware_arrivals > 0; })) return 1;
  PrintScan();
  PrintLinkOpen(hotPlug);

  if (Plug("unplug", L"remove update-mode", "update-mode") != 0) return 1;
  if (!PumpUntil([&] { return hotPlug.firmware_removals > 0; })) return 1;
  PrintScan();
  PrintLinkOpen(hotPlug);

  if (Plug("unplug", L"remove mouse", "mouse") != 0) return 1;
  if (!PumpUntil([&] { return !hotPlug.window.log.empty() && hotPlug.window.log.back() == "close"; })) return 1;
  PrintLinkOpen(hotPlug);

  zk40::HidSystemWin32 hid;
  zk40::SystemClock clock;
  zk40::CUSBDriver fresh(hid, clock);
  Print("open " + std::to_string(fresh.OpenDevice()));
  return 0;
}

}  // namespace

int main() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ZK40HotPlugProbe";
  if (!RegisterClassW(&windowClass)) return 1;
  // A hidden top-level window, as the main window is while it starts.
  HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  if (!hwnd) return 1;

  // The settings store is too big for the stack.
  auto hotPlug = std::make_unique<HotPlug>();
  g_hot_plug = hotPlug.get();
  const int status = Run(hwnd, *hotPlug);
  // Whatever happened, nothing virtual stays plugged in for the next test.
  if (status != 0) RunInstaller(L"remove");
  g_hot_plug = nullptr;
  DestroyWindow(hwnd);
  return status;
}
