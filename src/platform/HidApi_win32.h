#pragma once
// The system functions behind the HID link and the USB device scan, called
// through one table so that tests can replace the system with a scripted one.
// Each member has the type of the function it is named after.
#include <windows.h>
#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}

namespace zk40 {

struct HidApi {
  // Device setup: HID interfaces and USB devices.
  decltype(&::HidD_GetHidGuid) HidD_GetHidGuid;
  decltype(&::SetupDiGetClassDevsW) SetupDiGetClassDevsW;
  decltype(&::SetupDiEnumDeviceInterfaces) SetupDiEnumDeviceInterfaces;
  decltype(&::SetupDiGetDeviceInterfaceDetailW) SetupDiGetDeviceInterfaceDetailW;
  decltype(&::SetupDiEnumDeviceInfo) SetupDiEnumDeviceInfo;
  decltype(&::SetupDiGetDeviceRegistryPropertyW) SetupDiGetDeviceRegistryPropertyW;
  decltype(&::SetupDiDestroyDeviceInfoList) SetupDiDestroyDeviceInfoList;

  // One interface's attributes and report descriptor.
  decltype(&::HidD_GetAttributes) HidD_GetAttributes;
  decltype(&::HidD_GetPreparsedData) HidD_GetPreparsedData;
  decltype(&::HidD_FreePreparsedData) HidD_FreePreparsedData;
  decltype(&::HidP_GetCaps) HidP_GetCaps;
  decltype(&::HidP_GetSpecificValueCaps) HidP_GetSpecificValueCaps;

  // Reports.
  decltype(&::HidD_SetFeature) HidD_SetFeature;
  decltype(&::HidD_GetFeature) HidD_GetFeature;

  // Handles, overlapped writes and their events.
  decltype(&::CreateFileW) CreateFileW;
  decltype(&::CloseHandle) CloseHandle;
  decltype(&::WriteFile) WriteFile;
  decltype(&::GetOverlappedResult) GetOverlappedResult;
  decltype(&::CancelIoEx) CancelIoEx;
  decltype(&::CreateEventW) CreateEventW;
  decltype(&::ResetEvent) ResetEvent;
  decltype(&::WaitForSingleObject) WaitForSingleObject;
  decltype(&::GetLastError) GetLastError;
};

// The table of the real system functions.
const HidApi& SystemHidApi();

}  // namespace zk40
