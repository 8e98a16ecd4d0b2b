#include "device/UsbDeviceScan_win32.h"

#include <algorithm>
#include <array>
#include <span>

#include "protocol/DeviceIdText.h"

namespace zk40 {

int FindUsbDevice(const std::u16string& text, const HidApi& api) {
  HDEVINFO list = api.SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
  if (list == INVALID_HANDLE_VALUE || list == nullptr) return 0;
  int found = 0;
  for (DWORD index = 0; !found; ++index) {
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    if (!api.SetupDiEnumDeviceInfo(list, index, &device)) break;
    std::array<char16_t, kHardwareIdUnits> ids{};
    DWORD type = 0;
    DWORD size = 0;
    // A device whose id list does not fit the buffer is passed over; the ids
    // looked for are far shorter.
    if (!api.SetupDiGetDeviceRegistryPropertyW(list, &device, SPDRP_HARDWAREID, &type,
                                               reinterpret_cast<BYTE*>(ids.data()), sizeof ids, &size))
      continue;
    if (type != REG_MULTI_SZ && type != REG_SZ) continue;
    const std::size_t units = std::min<std::size_t>(size / sizeof(char16_t), ids.size());
    found = ContainsIgnoringCase(FirstHardwareId(std::span(ids).first(units)), text) ? 1 : 0;
  }
  api.SetupDiDestroyDeviceInfoList(list);
  return found;
}

}  // namespace zk40
