#include "platform/HidApi_win32.h"

namespace zk40 {

const HidApi& SystemHidApi() {
  static const HidApi api{
      &::HidD_GetHidGuid,
      &::SetupDiGetClassDevsW,
      &::SetupDiEnumDeviceInterfaces,
      &::SetupDiGetDeviceInterfaceDetailW,
      &::SetupDiEnumDeviceInfo,
      &::SetupDiGetDeviceRegistryPropertyW,
      &::SetupDiDestroyDeviceInfoList,
      &::HidD_GetAttributes,
      &::HidD_GetPreparsedData,
      &::HidD_FreePreparsedData,
      &::HidP_GetCaps,
      &::HidP_GetSpecificValueCaps,
      &::HidD_SetFeature,
      &::HidD_GetFeature,
      &::CreateFileW,
      &::CloseHandle,
      &::WriteFile,
      &::GetOverlappedResult,
      &::CancelIoEx,
      &::CreateEventW,
      &::ResetEvent,
      &::WaitForSingleObject,
      &::GetLastError,
  };
  return api;
}

}  // namespace zk40
