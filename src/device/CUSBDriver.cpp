#include "device/CUSBDriver.h"

#include <algorithm>
#include <vector>

#include "protocol/MacroEncoder.h"

namespace zk40 {

CUSBDriver::CUSBDriver(HidSystem& hid, Sleeper& sleeper) : hid_(hid), sleeper_(sleeper) {}

// --- discovery -------------------------------------------------------------

int CUSBDriver::OpenDevice() {
  Lock lock(link_);
  CloseLocked();
  read_buffer_.fill(0);
  std::vector<std::u16string> paths;
  hid_.EnumerateInterfaces(paths);  // a cut-short list is searched as far as it goes
  for (const std::u16string& path : paths) {
    if (TryInterface(path)) return 1;
  }
  return 0;
}

bool CUSBDriver::TryInterface(const std::u16string& path) {
  std::vector<HidValueCaps> caps;
  {
    std::unique_ptr<HidDevice> query = hid_.Open(path, HidAccess::query);
    if (!query) return false;
    HidAttributes attributes;
    if (!query->GetAttributes(attributes) || attributes.vendor_id != kZk40VendorId ||
        attributes.product_id != kZk40ProductId)
      return false;
    if (!query->GetFeatureValueCaps(caps)) return false;
  }
  const auto protocol = std::find_if(caps.begin(), caps.end(), [](const HidValueCaps& c) {
    return c.usage == kProtocolUsage && c.usage_page == kProtocolUsagePage;
  });
  if (protocol == caps.end()) return false;
  // A longer report would not fit the report buffers: such a device is refused.
  if (protocol->report_count > kMaxReportLength) return false;

  read_ = hid_.Open(path, HidAccess::read);
  write_ = hid_.Open(path, HidAccess::write);
  if (!read_ || !write_) {
    CloseLocked();
    return false;
  }
  report_id_ = protocol->report_id;
  report_length_ = protocol->report_count;
  return true;
}

void CUSBDriver::CloseDevice() {
  Lock lock(link_);
  CloseLocked();
}

void CUSBDriver::CloseLocked() {
  read_.reset();
  write_.reset();
}

bool CUSBDriver::IsOpen() {
  Lock lock(link_);
  return read_ && write_;
}

std::uint8_t CUSBDriver::ReportId() {
  Lock lock(link_);
  return report_id_;
}

std::uint32_t CUSBDriver::ReportLength() {
  Lock lock(link_);
  return report_length_;
}

// --- transfer primitives ---------------------------------------------------

int CUSBDriver::SendFeature(const CommandBytes& command) {
  Lock lock(link_);
  return SendFeatureLocked(command);
}

int CUSBDriver::SendFeatureLocked(const CommandBytes& command) {
  write_buffer_.fill(0);
  std::copy(command.begin(), command.end(), write_buffer_.begin() + 1);
  write_buffer_[0] = report_id_;
  if (!write_) return 0;
  return write_->SetFeature(std::span(write_buffer_).first(report_length_ + 1)) ? 1 : 0;
}

int CUSBDriver::ReadFeature() {
  Lock lock(link_);
  return ReadFeatureLocked();
}

int CUSBDriver::ReadFeatureLocked() {
  read_buffer_.fill(0);
  read_buffer_[0] = report_id_;
  if (!read_) return 0;
  return read_->GetFeature(std::span(read_buffer_).first(report_length_ + 1)) ? 1 : 0;
}

CUSBDriver::ReportBuffer CUSBDriver::ReadBuffer() {
  Lock lock(link_);
  return read_buffer_;
}

int CUSBDriver::WriteBlocks(const std::uint8_t* data, std::size_t length) {
  Lock lock(link_);
  return WriteBlocksLocked(data, length);
}

int CUSBDriver::WriteBlocksLocked(const std::uint8_t* data, std::size_t length) {
  if (!data || length % kDataBlockSize != 0) return 0;
  std::array<std::uint8_t, kOutputReportSize> report{};
  // A failed piece does not stop the transfer, but the transfer then failed:
  // the mouse holds a torn table, and reporting success would hide that.
  int all_written = 1;
  for (std::size_t offset = 0; offset < length; offset += kDataBlockSize) {
    report[0] = report_id_;
    std::copy_n(data + offset, kDataBlockSize, report.begin() + 1);
    sleeper_.SleepMs(kBlockWaitMs);
    if (!WriteOutputLocked(report)) all_written = 0;
    sleeper_.SleepMs(kBlockWaitMs);
  }
  return all_written;
}

bool CUSBDriver::WriteOutputLocked(std::span<const std::uint8_t> report) {
  if (!write_) return false;
  // Only a pending write is waited for; any other failure is not retried.
  // A pending write counts as delivered once waited for.
  switch (write_->WriteOutput(report)) {
    case HidWriteStatus::done:
      return true;
    case HidWriteStatus::pending:
      write_->WaitForPendingWrite(kPendingWriteTimeoutMs);
      return true;
    default:
      return false;
  }
}

// --- commands --------------------------------------------------------------

int CUSBDriver::GetFirmwareVersion(int* version) {
  if (!version) return 0;
  Lock lock(link_);
  if (!SendFeatureLocked(VersionQueryCommand())) return 0;
  sleeper_.SleepMs(kVersionReplyWaitMs);
  if (!ReadFeatureLocked()) return 0;
  const std::optional<int> parsed = ParseFirmwareVersion(std::span(read_buffer_).first(report_length_ + 1));
  if (!parsed) return 0;
  *version = *parsed;
  return 1;
}

int CUSBDriver::SetReportInterval(int interval) { return SendFeature(ReportIntervalCommand(interval)); }

int CUSBDriver::SetDpiSelect(int stages) { return SendFeature(DpiSelectCommand(stages)); }

int CUSBDriver::SetLedColor(std::uint32_t colour) { return SendFeature(LedColorCommand(colour)); }

int CUSBDriver::SetLedEffect(int effect, int level, int variant) {
  return SendFeature(LedEffectCommand(effect, level, variant));
}

int CUSBDriver::SetTouchSensing(int on, int ledEffect) { return SendFeature(TouchSensingCommand(on, ledEffect)); }

int CUSBDriver::SetDpiTable(const std::uint8_t* block, std::size_t length) {
  if (!block || length != kDpiBlockSize) return 0;
  Lock lock(link_);
  if (!SendFeatureLocked(DpiTableCommand())) return 0;
  sleeper_.SleepMs(kDpiBlockWaitMs);
  write_buffer_.fill(0);
  std::copy_n(block, kDpiBlockSize, write_buffer_.begin() + 1);
  write_buffer_[0] = report_id_;
  const bool written = WriteOutputLocked(std::span(write_buffer_).first(kOutputReportSize));
  sleeper_.SleepMs(kDpiBlockWaitMs);
  return written ? 1 : 0;
}

int CUSBDriver::WriteKeyMatrix(const std::uint8_t* matrix, std::size_t length) {
  if (!matrix || length != kKeyMatrixSize) return 0;
  Lock lock(link_);
  if (!SendFeatureLocked(KeyMatrixCommand())) return 0;
  sleeper_.SleepMs(kPayloadWaitMs);
  return WriteBlocksLocked(matrix, kKeyMatrixSize);
}

int CUSBDriver::WriteMacro(int slot, const MacroRecord* record) {
  if (!record) return 0;
  const MacroBlock block = EncodeMacro(*record);
  if (slot >= 0 && slot <= 7) {
    Lock lock(link_);
    if (SendFeatureLocked(MacroCommand(slot))) {
      sleeper_.SleepMs(kPayloadWaitMs);
      WriteBlocksLocked(block.bytes.data(), block.bytes.size());
    }
  }
  return block.units;
}

}  // namespace zk40
