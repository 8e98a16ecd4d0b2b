#include <windows.h>

#include "device/UpdateDescription.h"
#include "platform/WideText_win32.h"

namespace zk40 {

std::u16string UpdateServerOfThisRun() {
  wchar_t value[kMaxImageAddressUnits + 1] = {};
  const DWORD length = GetEnvironmentVariableW(L"ZK40_UPDATE_SERVER", value, static_cast<DWORD>(std::size(value)));
  // Unset, or longer than any acceptable address (the length needed is returned then).
  const std::u16string override = length > 0 && length < std::size(value) ? FromWide(value) : std::u16string();
  return ChooseUpdateServer(override, DefaultUpdateServer());
}

}  // namespace zk40
