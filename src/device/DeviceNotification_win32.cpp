#include "device/DeviceNotification_win32.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>

#include "platform/WideText_win32.h"

namespace zk40 {

bool DeviceNotification::Register(HWND window) {
  Unregister();
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kUsbDeviceInterfaceClass;
  handle_ = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return handle_ != nullptr;
}

void DeviceNotification::Unregister() {
  if (handle_) UnregisterDeviceNotification(handle_);
  handle_ = nullptr;
}

bool ReadDeviceBroadcast(WPARAM event, LPARAM data, DeviceBroadcast& out) {
  // Only these events carry a broadcast header in data.
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return false;
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return false;
  constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (header->dbch_size < kNameOffset) return false;
  const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
  const std::size_t room = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
  const wchar_t* name = broadcast->dbcc_name;
  out.event = static_cast<std::uint32_t>(event);
  out.device_name = FromWide(std::wstring_view(name, std::find(name, name + room, L'\0') - name));
  return true;
}

LRESULT OnDeviceChange(Presence& presence, WPARAM event, LPARAM data) {
  DeviceBroadcast broadcast;
  if (ReadDeviceBroadcast(event, data, broadcast)) presence.OnDeviceChange(broadcast.event, broadcast.device_name);
  return TRUE;
}

}  // namespace zk40
