#include "platform/HidSystem_win32.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <optional>

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

constexpr DWORD kDetailHeaderBytes = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
// The longest path CreateFileW takes, with its terminator.
constexpr DWORD kMaxDetailBytes = kDetailHeaderBytes + 32768 * sizeof(wchar_t);

// Frees the device list however the enumeration ends.
class DeviceList {
 public:
  DeviceList(const HidApi& api, HDEVINFO list) : api_(api), list_(list) {}
  ~DeviceList() {
    if (valid()) api_.SetupDiDestroyDeviceInfoList(list_);
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;
  bool valid() const { return list_ != INVALID_HANDLE_VALUE && list_ != nullptr; }
  HDEVINFO get() const { return list_; }

 private:
  const HidApi& api_;
  HDEVINFO list_;
};

class PreparsedData {
 public:
  explicit PreparsedData(const HidApi& api) : api_(api) {}
  ~PreparsedData() {
    if (data_) api_.HidD_FreePreparsedData(data_);
  }
  PreparsedData(const PreparsedData&) = delete;
  PreparsedData& operator=(const PreparsedData&) = delete;
  PHIDP_PREPARSED_DATA* out() { return &data_; }
  PHIDP_PREPARSED_DATA get() const { return data_; }

 private:
  const HidApi& api_;
  PHIDP_PREPARSED_DATA data_ = nullptr;
};

// How long a write that was cancelled is waited for; the system normally
// lets go of it at once.
constexpr DWORD kCancelWaitMs = 100;

// The buffer and the overlapped record of one write; the system uses both
// until the write has completed.
struct WriteSlot {
  OVERLAPPED overlapped{};
  std::vector<std::uint8_t> buffer;
  DWORD bytes_written = 0;
};

// One handle to an interface. A write handle owns the slot of its write for
// as long as the system may use it.
class DeviceHandle final : public HidDevice {
 public:
  DeviceHandle(const HidApi& api, HANDLE handle, HANDLE event)
      : api_(api), handle_(handle), event_(event), slot_(NewSlot()) {}
  ~DeviceHandle() override {
    (void)FinishWrite(0);
    api_.CloseHandle(handle_);
  }
  DeviceHandle(const DeviceHandle&) = delete;
  DeviceHandle& operator=(const DeviceHandle&) = delete;

  bool GetAttributes(HidAttributes& out) override {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!api_.HidD_GetAttributes(handle_, &attributes)) return false;
    out = {attributes.VendorID, attributes.ProductID, attributes.VersionNumber};
    return true;
  }

  bool GetFeatureValueCaps(std::vector<HidValueCaps>& out) override {
    out.clear();
    PreparsedData preparsed(api_);
    if (!api_.HidD_GetPreparsedData(handle_, preparsed.out()) || !preparsed.get()) return false;
    HIDP_CAPS caps{};
    if (api_.HidP_GetCaps(preparsed.get(), &caps) != HIDP_STATUS_SUCCESS) return false;
    if (caps.NumberFeatureValueCaps == 0) return true;
    std::vector<HIDP_VALUE_CAPS> values(caps.NumberFeatureValueCaps);
    USHORT count = caps.NumberFeatureValueCaps;
    // Usage page, link collection and usage 0: every feature value.
    if (api_.HidP_GetSpecificValueCaps(HidP_Feature, 0, 0, 0, values.data(), &count, preparsed.get()) !=
        HIDP_STATUS_SUCCESS)
      return false;
    values.resize(std::min<std::size_t>(count, values.size()));
    for (const HIDP_VALUE_CAPS& v : values) {
      // For a range the first usage stands where a single usage would.
      out.push_back({v.UsagePage, v.NotRange.Usage, v.ReportID, v.ReportCount});
    }
    return true;
  }

  bool SetFeature(std::span<const std::uint8_t> report) override {
    // The system only reads the buffer it is given.
    return api_.HidD_SetFeature(handle_, const_cast<std::uint8_t*>(report.data()), static_cast<ULONG>(report.size()));
  }

  bool GetFeature(std::span<std::uint8_t> report) override {
    return api_.HidD_GetFeature(handle_, report.data(), static_cast<ULONG>(report.size()));
  }

  HidWriteStatus WriteOutput(std::span<const std::uint8_t> report) override {
    (void)FinishWrite(0);
    slot_->overlapped = OVERLAPPED{};
    slot_->overlapped.hEvent = event_;
    slot_->buffer.assign(report.begin(), report.end());
    if (api_.WriteFile(handle_, slot_->buffer.data(), static_cast<DWORD>(slot_->buffer.size()),
                       &slot_->bytes_written, &slot_->overlapped))
      return HidWriteStatus::done;
    if (api_.GetLastError() != ERROR_IO_PENDING) return HidWriteStatus::failed;
    in_flight_ = true;
    return HidWriteStatus::pending;
  }

  bool WaitForPendingWrite(std::uint32_t timeoutMs) override { return FinishWrite(timeoutMs); }

  // Cancels the I/O of any thread on this handle; touches nothing the
  // writing thread uses.
  void CancelWrites() override { (void)api_.CancelIoEx(handle_, nullptr); }

 private:
  std::unique_ptr<WriteSlot> NewSlot() const {
    auto slot = std::make_unique<WriteSlot>();
    slot->overlapped.hEvent = event_;
    return slot;
  }

  // Waits up to timeoutMs for the write in flight; one that has not
  // completed by then is cancelled. True when the write completed and went
  // out. No wait here is longer than asked for plus kCancelWaitMs.
  bool FinishWrite(DWORD timeoutMs) {
    if (!in_flight_) return false;
    (void)api_.WaitForSingleObject(event_, timeoutMs);
    if (const std::optional<bool> result = Completion()) return *result;
    (void)api_.CancelIoEx(handle_, &slot_->overlapped);
    (void)api_.WaitForSingleObject(event_, kCancelWaitMs);
    if (Completion()) return false;
    // The system still holds the write: its slot stays where it is for good
    // (a few dozen bytes, and only when a driver ignores the cancel), and the
    // next write gets a new one.
    (void)slot_.release();
    slot_ = NewSlot();
    in_flight_ = false;
    return false;
  }

  // The outcome of the write in flight once it has completed: whether it
  // went out. Nothing while the system still holds it.
  std::optional<bool> Completion() {
    DWORD transferred = 0;
    const bool ok = api_.GetOverlappedResult(handle_, &slot_->overlapped, &transferred, FALSE);
    if (!ok && api_.GetLastError() == ERROR_IO_INCOMPLETE) return std::nullopt;
    in_flight_ = false;
    // The next WriteFile clears the event as it starts, so a failed reset loses nothing.
    (void)api_.ResetEvent(event_);
    return ok;
  }

  const HidApi& api_;
  HANDLE handle_;
  HANDLE event_;
  std::unique_ptr<WriteSlot> slot_;
  bool in_flight_ = false;
};

}  // namespace

HidSystemWin32::HidSystemWin32(const HidApi& api) : api_(api) {}

HidSystemWin32::~HidSystemWin32() {
  if (read_event_) api_.CloseHandle(read_event_);
  if (write_event_) api_.CloseHandle(write_event_);
}

bool HidSystemWin32::EnumerateInterfaces(std::vector<std::u16string>& paths) {
  GUID hidClass{};
  api_.HidD_GetHidGuid(&hidClass);
  DeviceList list(api_, api_.SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!list.valid()) return false;
  try {
    for (DWORD index = 0;; ++index) {
      SP_DEVICE_INTERFACE_DATA itf{};
      itf.cbSize = sizeof itf;
      if (!api_.SetupDiEnumDeviceInterfaces(list.get(), nullptr, &hidClass, index, &itf)) {
        return api_.GetLastError() == ERROR_NO_MORE_ITEMS;
      }
      std::u16string path;
      if (ReadInterfacePath(list.get(), itf, path)) paths.push_back(std::move(path));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool HidSystemWin32::ReadInterfacePath(HDEVINFO list, SP_DEVICE_INTERFACE_DATA& itf, std::u16string& path) {
  DWORD required = 0;
  // Asked without a buffer, the call fails by design and only gives the size.
  api_.SetupDiGetDeviceInterfaceDetailW(list, &itf, nullptr, 0, &required, nullptr);
  if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) || required > kMaxDetailBytes) return false;
  std::vector<DWORD> storage((required + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  // The size of the fixed part as this build lays it out (8 on 64-bit Windows).
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!api_.SetupDiGetDeviceInterfaceDetailW(list, &itf, detail, required, nullptr, nullptr)) return false;
  // The path ends at its terminator or at the end of the buffer, whichever comes first.
  const std::size_t room = (required - kDetailHeaderBytes) / sizeof(wchar_t);
  const wchar_t* begin = detail->DevicePath;
  path = FromWide(std::wstring_view(begin, std::find(begin, begin + room, L'\0') - begin));
  return !path.empty();
}

HANDLE HidSystemWin32::EventFor(HidAccess access) {
  HANDLE& event = access == HidAccess::write ? write_event_ : read_event_;
  if (!event) {
    event = api_.CreateEventW(nullptr, TRUE, FALSE, access == HidAccess::write ? kWriteEventName : kReadEventName);
  }
  return event;
}

std::unique_ptr<HidDevice> HidSystemWin32::Open(const std::u16string& path, HidAccess access) {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD desired = 0;
  DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
  HANDLE event = nullptr;
  if (access != HidAccess::query) {
    desired = access == HidAccess::write ? GENERIC_WRITE : GENERIC_READ;
    flags = FILE_FLAG_OVERLAPPED;
    // Without its event an overlapped handle could not be waited on.
    event = EventFor(access);
    if (!event) return nullptr;
  }
  HANDLE handle = api_.CreateFileW(Wide(path), desired, share, nullptr, OPEN_EXISTING, flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<DeviceHandle>(api_, handle, event);
}

}  // namespace zk40
