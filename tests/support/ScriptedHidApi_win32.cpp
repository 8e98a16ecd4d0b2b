#include "support/ScriptedHidApi_win32.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace zk40::test {
namespace {

ScriptedHidApi* g_script = nullptr;

const HDEVINFO kInterfaceList = reinterpret_cast<HDEVINFO>(std::uintptr_t{0x7000});
const HDEVINFO kUsbList = reinterpret_cast<HDEVINFO>(std::uintptr_t{0x7001});
constexpr GUID kHidClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

std::uintptr_t PreparsedBase() { return 0x9000; }

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

// The table's functions, each acting on the current script.
struct ScriptedCalls {
  static ScriptedHidApi& S() { return *g_script; }

  static BOOL Fail(DWORD error) {
    S().last_error_ = error;
    return FALSE;
  }

  static const ScriptedInterface* InterfaceOf(HANDLE h) {
    const ScriptedHidApi::Handle* found = S().Find(h);
    return found && found->itf >= 0 ? &S().interfaces[static_cast<std::size_t>(found->itf)] : nullptr;
  }

  static const ScriptedInterface* InterfaceOf(PHIDP_PREPARSED_DATA data) {
    const std::uintptr_t index = reinterpret_cast<std::uintptr_t>(data) - PreparsedBase();
    return index < S().interfaces.size() ? &S().interfaces[index] : nullptr;
  }

  static void WINAPI GetHidGuid(LPGUID guid) { *guid = kHidClass; }

  static HDEVINFO WINAPI GetClassDevs(const GUID* cls, PCWSTR enumerator, HWND, DWORD flags) {
    S().lists.push_back({cls != nullptr, enumerator ? enumerator : L"", flags});
    if (S().list_fails) {
      S().last_error_ = ERROR_INVALID_PARAMETER;
      return INVALID_HANDLE_VALUE;
    }
    ++S().open_lists_;
    return cls ? kInterfaceList : kUsbList;
  }

  static BOOL WINAPI EnumInterfaces(HDEVINFO list, PSP_DEVINFO_DATA, const GUID* cls, DWORD index,
                                    PSP_DEVICE_INTERFACE_DATA data) {
    if (list != kInterfaceList || !cls || !IsEqualGUID(*cls, kHidClass)) return Fail(ERROR_INVALID_PARAMETER);
    if (data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (index == S().enumeration_breaks_at) return Fail(ERROR_GEN_FAILURE);
    if (index >= S().interfaces.size()) return Fail(ERROR_NO_MORE_ITEMS);
    data->Reserved = index;
    return TRUE;
  }

  static BOOL WINAPI GetDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA data, PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail,
                               DWORD size, PDWORD required, PSP_DEVINFO_DATA) {
    const ScriptedInterface& itf = S().interfaces.at(data->Reserved);
    const DWORD need = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                                          (itf.path.size() + 1) * sizeof(wchar_t));
    if (required) *required = itf.reported_detail_size ? itf.reported_detail_size : need;
    if (!detail) return Fail(ERROR_INSUFFICIENT_BUFFER);
    S().detail_record_sizes.push_back(detail->cbSize);
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (size < need) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(detail->DevicePath, itf.path.c_str(), (itf.path.size() + 1) * sizeof(wchar_t));
    return TRUE;
  }

  static BOOL WINAPI EnumDeviceInfo(HDEVINFO list, DWORD index, PSP_DEVINFO_DATA device) {
    if (list != kUsbList) return Fail(ERROR_INVALID_PARAMETER);
    if (device->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (index >= S().usb_devices.size()) return Fail(ERROR_NO_MORE_ITEMS);
    device->DevInst = index;
    return TRUE;
  }

  static BOOL WINAPI GetProperty(HDEVINFO, PSP_DEVINFO_DATA device, DWORD property, PDWORD type, PBYTE buffer,
                                 DWORD size, PDWORD required) {
    const ScriptedUsbDevice& usb = S().usb_devices.at(device->DevInst);
    if (property != SPDRP_HARDWAREID || !usb.property_answers) return Fail(ERROR_INVALID_DATA);
    const DWORD bytes = static_cast<DWORD>(usb.hardware_ids.size() * sizeof(wchar_t));
    if (required) *required = bytes;
    if (bytes > size) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, usb.hardware_ids.data(), bytes);
    if (type) *type = REG_MULTI_SZ;
    return TRUE;
  }

  static BOOL WINAPI DestroyList(HDEVINFO) {
    --S().open_lists_;
    return TRUE;
  }

  static BOOLEAN NTAPI GetAttributes(HANDLE h, PHIDD_ATTRIBUTES attributes) {
    const ScriptedInterface* itf = InterfaceOf(h);
    if (!itf || !itf->attributes_answer || attributes->Size != sizeof(HIDD_ATTRIBUTES)) return FALSE;
    attributes->VendorID = itf->vendor_id;
    attributes->ProductID = itf->product_id;
    attributes->VersionNumber = 0x0100;
    return TRUE;
  }

  static BOOLEAN NTAPI GetPreparsed(HANDLE h, PHIDP_PREPARSED_DATA* data) {
    const ScriptedInterface* itf = InterfaceOf(h);
    if (!itf || !itf->preparsed_answer) return FALSE;
    *data = reinterpret_cast<PHIDP_PREPARSED_DATA>(PreparsedBase() + static_cast<std::uintptr_t>(itf - &S().interfaces[0]));
    ++S().held_preparsed_;
    return TRUE;
  }

  static BOOLEAN NTAPI FreePreparsed(PHIDP_PREPARSED_DATA) {
    --S().held_preparsed_;
    return TRUE;
  }

  static NTSTATUS NTAPI GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps) {
    const ScriptedInterface* itf = InterfaceOf(data);
    if (!itf) return HIDP_STATUS_INVALID_PREPARSED_DATA;
    if (itf->caps_status != HIDP_STATUS_SUCCESS) return itf->caps_status;
    *caps = HIDP_CAPS{};
    caps->NumberFeatureValueCaps = static_cast<USHORT>(itf->caps.size());
    return HIDP_STATUS_SUCCESS;
  }

  static NTSTATUS NTAPI GetValueCaps(HIDP_REPORT_TYPE type, USAGE page, USHORT collection, USAGE usage,
                                     PHIDP_VALUE_CAPS out, PUSHORT length, PHIDP_PREPARSED_DATA data) {
    const ScriptedInterface* itf = InterfaceOf(data);
    if (!itf || type != HidP_Feature || page || collection || usage) return HIDP_STATUS_INVALID_PREPARSED_DATA;
    if (itf->value_caps_status != HIDP_STATUS_SUCCESS) return itf->value_caps_status;
    const std::size_t n = std::min<std::size_t>(*length, itf->caps.size());
    for (std::size_t i = 0; i < n; ++i) {
      out[i] = HIDP_VALUE_CAPS{};
      out[i].UsagePage = itf->caps[i].usage_page;
      out[i].NotRange.Usage = itf->caps[i].usage;
      out[i].ReportID = itf->caps[i].report_id;
      out[i].ReportCount = itf->caps[i].report_count;
    }
    *length = static_cast<USHORT>(n);
    return HIDP_STATUS_SUCCESS;
  }

  static BOOLEAN NTAPI SetFeature(HANDLE h, PVOID buffer, ULONG length) {
    S().calls.push_back("set feature");
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    S().features_set.emplace_back(bytes, bytes + length);
    S().feature_handles.push_back(h);
    return InterfaceOf(h) != nullptr;
  }

  static BOOLEAN NTAPI GetFeature(HANDLE h, PVOID buffer, ULONG length) {
    S().calls.push_back("get feature");
    S().feature_handles.push_back(h);
    if (!InterfaceOf(h) || length < 4) return FALSE;
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    bytes[1] = 0x80, bytes[2] = 1, bytes[3] = 7;
    return TRUE;
  }

  static HANDLE WINAPI CreateFile(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition,
                                  DWORD flags, HANDLE) {
    S().calls.push_back("open " + Narrow(path));
    int index = -1;
    for (std::size_t i = 0; i < S().interfaces.size(); ++i) {
      if (S().interfaces[i].path == path) index = static_cast<int>(i);
    }
    bool opens = index >= 0;
    if (opens) {
      const ScriptedInterface& itf = S().interfaces[static_cast<std::size_t>(index)];
      opens = access == 0 ? itf.query_opens : access == GENERIC_READ ? itf.read_opens : itf.write_opens;
    }
    HANDLE h = opens ? S().NewHandle(index) : INVALID_HANDLE_VALUE;
    if (!opens) S().last_error_ = ERROR_ACCESS_DENIED;
    S().opens.push_back({path, access, share, disposition, flags, h});
    return h;
  }

  static BOOL WINAPI Close(HANDLE h) {
    S().calls.push_back("close");
    auto& handles = S().handles_;
    const auto found = std::find_if(handles.begin(), handles.end(), [h](const auto& e) { return e.value == h; });
    if (found == handles.end()) return Fail(ERROR_INVALID_HANDLE);
    handles.erase(found);
    return TRUE;
  }

  static BOOL WINAPI Write(HANDLE h, LPCVOID buffer, DWORD length, LPDWORD, LPOVERLAPPED overlapped) {
    S().calls.push_back("write");
    if (S().in_flight_ && S().in_flight_ == overlapped) S().record_reused_in_flight = true;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    S().writes.emplace_back(bytes, bytes + length);
    S().write_handles.push_back(h);
    S().write_events.push_back(overlapped ? overlapped->hEvent : nullptr);
    switch (S().write) {
      case ScriptedWrite::done:
        return TRUE;
      case ScriptedWrite::fails:
        return Fail(ERROR_GEN_FAILURE);
      case ScriptedWrite::pending_completes:
      case ScriptedWrite::pending_never_completes:
      case ScriptedWrite::pending_ignores_cancel:
        S().in_flight_ = overlapped;
        S().completed_ = false;
        return Fail(ERROR_IO_PENDING);
    }
    return FALSE;
  }

  static DWORD WINAPI Wait(HANDLE event, DWORD ms) {
    S().calls.push_back("wait " + std::to_string(ms));
    S().waited_events.push_back(event);
    if (S().in_flight_ && S().write == ScriptedWrite::pending_completes) {
      S().completed_ = true;
      return WAIT_OBJECT_0;
    }
    return WAIT_TIMEOUT;
  }

  static BOOL WINAPI Cancel(HANDLE, LPOVERLAPPED overlapped) {
    S().calls.push_back(overlapped ? "cancel" : "cancel all");
    // Completes as cancelled, unless the driver ignores cancels.
    if (S().in_flight_ && S().write != ScriptedWrite::pending_ignores_cancel) S().completed_ = true;
    return TRUE;
  }

  static BOOL WINAPI Result(HANDLE, LPOVERLAPPED overlapped, LPDWORD transferred, BOOL wait) {
    S().calls.push_back("result");
    if (S().in_flight_ == overlapped && !S().completed_) {
      if (wait) S().waited_forever = true;
      return Fail(ERROR_IO_INCOMPLETE);
    }
    const bool cancelled = S().write != ScriptedWrite::pending_completes;
    S().in_flight_ = nullptr;
    if (cancelled) return Fail(ERROR_OPERATION_ABORTED);
    *transferred = 33;
    return TRUE;
  }

  static HANDLE WINAPI CreateEvent(LPSECURITY_ATTRIBUTES, BOOL manual, BOOL initial, LPCWSTR name) {
    HANDLE h = S().NewHandle(-1);
    S().events.push_back({name ? name : L"", manual, initial, h});
    return h;
  }

  static BOOL WINAPI Reset(HANDLE event) {
    S().calls.push_back("reset");
    S().reset_events.push_back(event);
    return TRUE;
  }

  static DWORD WINAPI LastError() { return S().last_error_; }
};

namespace {

const HidApi kScriptedApi{
    &ScriptedCalls::GetHidGuid,    &ScriptedCalls::GetClassDevs,  &ScriptedCalls::EnumInterfaces,
    &ScriptedCalls::GetDetail,     &ScriptedCalls::EnumDeviceInfo, &ScriptedCalls::GetProperty,
    &ScriptedCalls::DestroyList,   &ScriptedCalls::GetAttributes, &ScriptedCalls::GetPreparsed,
    &ScriptedCalls::FreePreparsed, &ScriptedCalls::GetCaps,       &ScriptedCalls::GetValueCaps,
    &ScriptedCalls::SetFeature,    &ScriptedCalls::GetFeature,    &ScriptedCalls::CreateFile,
    &ScriptedCalls::Close,         &ScriptedCalls::Write,         &ScriptedCalls::Result,
    &ScriptedCalls::Cancel,        &ScriptedCalls::CreateEvent,   &ScriptedCalls::Reset,
    &ScriptedCalls::Wait,          &ScriptedCalls::LastError,
};

}  // namespace

ScriptedHidApi::ScriptedHidApi() { g_script = this; }

ScriptedHidApi::~ScriptedHidApi() { g_script = nullptr; }

const HidApi& ScriptedHidApi::Api() const { return kScriptedApi; }

HANDLE ScriptedHidApi::NewHandle(int itf) {
  HANDLE h = reinterpret_cast<HANDLE>(next_handle_);
  next_handle_ += 4;
  handles_.push_back({h, itf});
  return h;
}

const ScriptedHidApi::Handle* ScriptedHidApi::Find(HANDLE h) const {
  const auto found = std::find_if(handles_.begin(), handles_.end(), [h](const Handle& e) { return e.value == h; });
  return found == handles_.end() ? nullptr : &*found;
}

int ScriptedHidApi::OpenHandles() const { return static_cast<int>(handles_.size()); }

}  // namespace zk40::test
