#pragma once
// The Win32 side of presence: the registration for broadcasts about USB
// device interfaces, and the main window's WM_DEVICECHANGE handling.
#include <windows.h>

#include <cstdint>
#include <string>

#include "device/Presence.h"

namespace zk40 {

// {A5DCBF10-6530-11D2-901F-00C04FB951ED}: the interface of every USB device.
inline constexpr GUID kUsbDeviceInterfaceClass = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

// The window's registration for arrivals and removals of USB devices; ends
// with the object.
class DeviceNotification {
 public:
  DeviceNotification() = default;
  ~DeviceNotification() { Unregister(); }
  DeviceNotification(const DeviceNotification&) = delete;
  DeviceNotification& operator=(const DeviceNotification&) = delete;

  bool Register(HWND window);
  void Unregister();
  bool Registered() const { return handle_ != nullptr; }

 private:
  HDEVNOTIFY handle_ = nullptr;
};

struct DeviceBroadcast {
  std::uint32_t event = 0;
  std::u16string device_name;
};

// The event and device name of an arrival or removal of a device interface.
// False for other events and other kinds of broadcast. The name is read no
// further than the broadcast's own size says.
bool ReadDeviceBroadcast(WPARAM event, LPARAM data, DeviceBroadcast& out);

// The main window's WM_DEVICECHANGE: hands device-interface arrivals and
// removals to presence. Always TRUE.
LRESULT OnDeviceChange(Presence& presence, WPARAM event, LPARAM data);

}  // namespace zk40
