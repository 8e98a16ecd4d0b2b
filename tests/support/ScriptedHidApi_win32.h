#pragma once
// A scripted system behind the HID function table: HID interfaces and USB
// devices as a test lists them, with switches that make each call fail, and
// a record of every call that matters. It checks what the real system checks
// (record sizes, an overlapped record reused while a write is in flight).
// One script at a time, on the test's thread.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/HidApi_win32.h"

namespace zk40::test {

struct ScriptedValueCaps {
  USAGE usage_page;
  USAGE usage;
  UCHAR report_id;
  USHORT report_count;
};

struct ScriptedInterface {
  std::wstring path;
  USHORT vendor_id = 0x3E7A;
  USHORT product_id = 0x6D3B;
  std::vector<ScriptedValueCaps> caps{{0xFF01, 0x22, 5, 64}};
  bool query_opens = true;
  bool read_opens = true;
  bool write_opens = true;
  bool attributes_answer = true;
  bool preparsed_answer = true;
  NTSTATUS caps_status = HIDP_STATUS_SUCCESS;
  NTSTATUS value_caps_status = HIDP_STATUS_SUCCESS;
  DWORD reported_detail_size = 0;  // 0: the true size
};

struct ScriptedUsbDevice {
  std::wstring hardware_ids;  // the strings with their terminators, as the registry holds them
  bool property_answers = true;
};

// pending_never_completes: the write completes only when cancelled;
// pending_ignores_cancel: not even then.
enum class ScriptedWrite { done, fails, pending_completes, pending_never_completes, pending_ignores_cancel };

class ScriptedHidApi {
 public:
  ScriptedHidApi();
  ~ScriptedHidApi();
  ScriptedHidApi(const ScriptedHidApi&) = delete;
  ScriptedHidApi& operator=(const ScriptedHidApi&) = delete;

  const HidApi& Api() const;

  // --- the script ---
  std::vector<ScriptedInterface> interfaces;
  std::vector<ScriptedUsbDevice> usb_devices;
  bool list_fails = false;
  DWORD enumeration_breaks_at = ~0u;  // an index whose enumeration fails with an error
  ScriptedWrite write = ScriptedWrite::done;

  // --- the record ---
  struct OpenCall {
    std::wstring path;
    DWORD access, share, disposition, flags;
    HANDLE handle;  // INVALID_HANDLE_VALUE when it failed
  };
  struct EventCall {
    std::wstring name;
    BOOL manual_reset, initially_set;
    HANDLE handle;
  };
  struct ListCall {
    bool has_class;
    std::wstring enumerator;
    DWORD flags;
  };
  std::vector<std::string> calls;  // "open <path>", "close", "set feature", "write", "wait <ms>", ...
  std::vector<OpenCall> opens;
  std::vector<EventCall> events;
  std::vector<ListCall> lists;
  std::vector<DWORD> detail_record_sizes;
  std::vector<std::vector<std::uint8_t>> features_set;
  std::vector<std::vector<std::uint8_t>> writes;
  std::vector<HANDLE> feature_handles;  // the handle of each feature transfer, set and get
  std::vector<HANDLE> write_handles;
  std::vector<HANDLE> write_events;  // the event of each write's overlapped record
  std::vector<HANDLE> waited_events;
  std::vector<HANDLE> reset_events;
  bool record_reused_in_flight = false;
  bool waited_forever = false;

  int OpenHandles() const;  // files and events not closed
  int OpenLists() const { return open_lists_; }
  int HeldPreparsedData() const { return held_preparsed_; }

 private:
  friend struct ScriptedCalls;
  struct Handle {
    HANDLE value;
    int itf;  // -1 for an event
  };
  HANDLE NewHandle(int itf);
  const Handle* Find(HANDLE h) const;

  std::vector<Handle> handles_;
  std::uintptr_t next_handle_ = 0x1000;
  int open_lists_ = 0;
  int held_preparsed_ = 0;
  DWORD last_error_ = 0;
  const OVERLAPPED* in_flight_ = nullptr;  // the record of the write in flight
  bool completed_ = false;
};

}  // namespace zk40::test
