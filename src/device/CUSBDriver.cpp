#include "device/CUSBDriver.h"

#include <algorithm>
#include <vector>


namespace zk40 {

CUSBDriver::CUSBDriver(HidSystem& hid, Sleeper& sleeper) : hid_(hid), sleeper_(sleeper) {}

// --- discovery -------------------------------------------------------------

bool CUSBDriver::OpenDevice() {
  Lock lock(link_);
  CloseLocked();
  read_buffer_.fill(0);
  std::vector<std::u16string> paths;
  hid_.EnumerateInterfaces(paths);  // a cut-short list is searched as far as it goes
  for (const std::u16string& path : paths) {
    if (TryInterface(path)) return true;
  }
  return false;
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

bool CUSBDriver::SendFeature(const CommandBytes& command) {
  Lock lock(link_);
  return SendFeatureLocked(command);
}

bool CUSBDriver::SendFeatureLocked(const CommandBytes& command) {
  write_buffer_.fill(0);
  std::copy(command.begin(), command.end(), write_buffer_.begin() + 1);
  write_buffer_[0] = report_id_;
  return write_ && write_->SetFeature(std::span(write_buffer_).first(report_length_ + 1));
}

bool CUSBDriver::ReadFeatureLocked() {
  read_buffer_.fill(0);
  read_buffer_[0] = report_id_;
  return read_ && read_->GetFeature(std::span(read_buffer_).first(report_length_ + 1));
}

bool CUSBDriver::WriteBlocks(std::span<const std::uint8_t> data) {
  Lock lock(link_);
  return WriteBlocksLocked(data);
}

bool CUSBDriver::WriteBlocksLocked(std::span<const std::uint8_t> data) {
  if (data.size() % kDataBlockSize != 0) return false;
  std::array<std::uint8_t, kOutputReportSize> report{};
  // A failed piece does not stop the transfer, but the transfer then failed:
  // the mouse holds a torn table, and reporting success would hide that.
  bool all_written = true;
  for (std::size_t offset = 0; offset < data.size(); offset += kDataBlockSize) {
    report[0] = report_id_;
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), kDataBlockSize, report.begin() + 1);
    sleeper_.SleepMs(kBlockWaitMs);
    if (!WriteOutputLocked(report)) all_written = false;
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

std::optional<int> CUSBDriver::GetFirmwareVersion() {
  Lock lock(link_);
  if (!SendFeatureLocked(VersionQueryCommand())) return std::nullopt;
  sleeper_.SleepMs(kVersionReplyWaitMs);
  if (!ReadFeatureLocked()) return std::nullopt;
  return ParseFirmwareVersion(std::span(read_buffer_).first(report_length_ + 1));
}

bool CUSBDriver::SetReportInterval(int interval) { return SendFeature(ReportIntervalCommand(interval)); }

bool CUSBDriver::SetDpiSelect(int stages) { return SendFeature(DpiSelectCommand(stages)); }

bool CUSBDriver::SetLedColor(std::uint32_t colour) { return SendFeature(LedColorCommand(colour)); }

bool CUSBDriver::SetLedEffect(int effect, int level, int variant) {
  return SendFeature(LedEffectCommand(effect, level, variant));
}

bool CUSBDriver::SetTouchSensing(int on, int ledEffect) { return SendFeature(TouchSensingCommand(on, ledEffect)); }

bool CUSBDriver::SetDpiTable(DpiBlockView block) {
  Lock lock(link_);
  if (!SendFeatureLocked(DpiTableCommand())) return false;
  sleeper_.SleepMs(kDpiBlockWaitMs);
  write_buffer_.fill(0);
  std::copy(block.begin(), block.end(), write_buffer_.begin() + 1);
  write_buffer_[0] = report_id_;
  const bool written = WriteOutputLocked(std::span(write_buffer_).first(kOutputReportSize));
  sleeper_.SleepMs(kDpiBlockWaitMs);
  return written;
}

bool CUSBDriver::WriteKeyMatrix(KeyMatrixView matrix) {
  Lock lock(link_);
  if (!SendFeatureLocked(KeyMatrixCommand())) return false;
  sleeper_.SleepMs(kPayloadWaitMs);
  return WriteBlocksLocked(matrix);
}

bool CUSBDriver::WriteMacro(int slot, MacroBlockView block) {
  if (slot < 0 || slot > 7) return false;
  Lock lock(link_);
  if (!SendFeatureLocked(MacroCommand(slot))) return false;
  sleeper_.SleepMs(kPayloadWaitMs);
  return WriteBlocksLocked(block);
}

}  // namespace zk40
