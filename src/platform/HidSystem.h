#pragma once
// The HID operations the device link needs from the OS: list the HID
// interfaces, open one, read its attributes and feature value capabilities,
// and move feature and output reports. The Win32 implementation sits on
// SetupDi/HidD/HidP with overlapped I/O; the emulated mouse implements it for
// tests and tools.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zk40 {

struct HidAttributes {
  std::uint16_t vendor_id = 0;
  std::uint16_t product_id = 0;
  std::uint16_t version_number = 0;
};

// One feature value capability of an interface (the fields the link uses).
struct HidValueCaps {
  std::uint16_t usage_page = 0;
  std::uint16_t usage = 0;
  std::uint8_t report_id = 0;
  std::uint16_t report_count = 0;
};

// How an interface is opened: query (attributes and capabilities only, no
// data access), or read or write with overlapped I/O, both sharing read and
// write with other openers.
enum class HidAccess { query, read, write };

enum class HidWriteStatus {
  done,     // the report went out
  pending,  // the write was started and completes later; see WaitForPendingWrite
  failed,   // any other error
};

// One open handle to an interface. Closed when destroyed. One thread at a
// time uses it, except for CancelWrites.
class HidDevice {
 public:
  virtual ~HidDevice() = default;

  virtual bool GetAttributes(HidAttributes& out) = 0;
  // Every feature value capability, in the order the interface lists them.
  // False when the interface's report descriptor cannot be had or is invalid.
  virtual bool GetFeatureValueCaps(std::vector<HidValueCaps>& out) = 0;

  // Feature reports: report id in byte 0; the size is the whole report.
  virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;
  virtual bool GetFeature(std::span<std::uint8_t> report) = 0;

  // An output report (report id in byte 0) on this handle.
  virtual HidWriteStatus WriteOutput(std::span<const std::uint8_t> report) = 0;
  // After a pending write: waits at most timeoutMs for it to complete. True
  // when it completed and went out. A write still in flight then is
  // cancelled; the wait for the cancel is bounded as well, and a write that
  // the system still holds after it keeps its buffer for as long as the
  // system may use it. Either way the handle is ready for the next write.
  virtual bool WaitForPendingWrite(std::uint32_t timeoutMs) = 0;
  // From any thread, and without waiting: asks the system to cancel the
  // writes in flight on this handle, so that a WaitForPendingWrite in
  // progress returns (false) at once.
  virtual void CancelWrites() = 0;
};

class HidSystem {
 public:
  virtual ~HidSystem() = default;

  // The device paths of the present HID interfaces, in the order the system
  // lists them. False when the list could not be had whole; paths then holds
  // the interfaces listed before the failure.
  virtual bool EnumerateInterfaces(std::vector<std::u16string>& paths) = 0;

  // Null when the interface cannot be opened that way.
  virtual std::unique_ptr<HidDevice> Open(const std::u16string& path, HidAccess access) = 0;
};

}  // namespace zk40
