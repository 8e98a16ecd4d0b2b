#pragma once
// HidSystem on SetupDi/HidD/HidP: the present HID interfaces of the machine,
// opened for attribute queries or for overlapped reading and writing.
#include <memory>
#include <string>
#include <vector>

#include "platform/HidApi_win32.h"
#include "platform/HidSystem.h"

namespace zk40 {

// The names of the events of the overlapped records; manual reset, created
// not signalled. Only writes wait on theirs.
inline constexpr wchar_t kWriteEventName[] = L"WriteDataOverLappedEvent";
inline constexpr wchar_t kReadEventName[] = L"ReadDataOverLappedEvent";

class HidSystemWin32 final : public HidSystem {
 public:
  explicit HidSystemWin32(const HidApi& api = SystemHidApi());
  ~HidSystemWin32() override;
  HidSystemWin32(const HidSystemWin32&) = delete;
  HidSystemWin32& operator=(const HidSystemWin32&) = delete;

  bool EnumerateInterfaces(std::vector<std::u16string>& paths) override;
  // Query handles carry no event; read and write handles share the one event
  // of their kind, made at the first open that needs it.
  std::unique_ptr<HidDevice> Open(const std::u16string& path, HidAccess access) override;

 private:
  bool ReadInterfacePath(HDEVINFO list, SP_DEVICE_INTERFACE_DATA& itf, std::u16string& path);
  HANDLE EventFor(HidAccess access);

  const HidApi& api_;
  HANDLE read_event_ = nullptr;
  HANDLE write_event_ = nullptr;
};

}  // namespace zk40
