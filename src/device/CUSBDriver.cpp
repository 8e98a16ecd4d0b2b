#include "device/CUSBDriver.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace zk40 {

// Holds the link for one exchange of a session, and lets it go at the end.
class LinkSession::Exchange {
 public:
  Exchange(LinkSession& session, bool queue)
      : session_(session), held_(session.link_.Claim(session.period_, queue)) {}
  ~Exchange() {
    if (held_) session_.link_.Unclaim(session_.period_);
  }
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;
  explicit operator bool() const { return held_; }

 private:
  LinkSession& session_;
  const bool held_;
};

// --- the link --------------------------------------------------------------

CUSBDriver::CUSBDriver(HidSystem& hid, Sleeper& sleeper) : hid_(hid), sleeper_(sleeper) {}

CUSBDriver::~CUSBDriver() { Close(); }

bool CUSBDriver::OpenDevice() {
  std::lock_guard opening(opening_);
  Close();
  std::vector<std::u16string> paths;
  (void)hid_.EnumerateInterfaces(paths);  // a cut-short list is searched as far as it goes
  return std::any_of(paths.begin(), paths.end(), [this](const std::u16string& path) { return TryInterface(path); });
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

  std::shared_ptr<HidDevice> read = hid_.Open(path, HidAccess::read);
  std::shared_ptr<HidDevice> write = hid_.Open(path, HidAccess::write);
  if (!read || !write) return false;
  std::lock_guard lock(mutex_);
  ++period_;
  read_ = std::move(read);
  write_ = std::move(write);
  report_id_ = protocol->report_id;
  report_length_ = protocol->report_count;
  return true;
}

void CUSBDriver::CloseDevice() { Close(); }

void CUSBDriver::Close() {
  std::shared_ptr<HidDevice> write;
  {
    std::lock_guard lock(mutex_);
    ++period_;
    read_.reset();
    write = std::move(write_);
    claimed_ = false;
  }
  unclaimed_.notify_all();
  // A transfer still under way keeps its handle until it is done with it;
  // a pending write of it ends now instead of after its full wait.
  if (write) write->CancelWrites();
}

bool CUSBDriver::IsOpen() const {
  std::lock_guard lock(mutex_);
  return read_ && write_;
}

std::uint8_t CUSBDriver::ReportId() const {
  std::lock_guard lock(mutex_);
  return report_id_;
}

std::uint32_t CUSBDriver::ReportLength() const {
  std::lock_guard lock(mutex_);
  return report_length_;
}

std::uint64_t CUSBDriver::Period() const {
  std::lock_guard lock(mutex_);
  return period_;
}

bool CUSBDriver::Current(std::uint64_t period) const {
  std::lock_guard lock(mutex_);
  return period == period_ && read_ && write_;
}

std::optional<CUSBDriver::Endpoint> CUSBDriver::EndpointOf(std::uint64_t period, HidAccess access) const {
  std::lock_guard lock(mutex_);
  const std::shared_ptr<HidDevice>& device = access == HidAccess::write ? write_ : read_;
  if (period != period_ || !device) return std::nullopt;
  return Endpoint{device, report_id_, report_length_};
}

bool CUSBDriver::Claim(std::uint64_t period, bool queue) {
  std::unique_lock lock(mutex_);
  // A claim of an ended period holds nothing.
  const auto ended = [&] { return period != period_; };
  const auto free = [&] { return !claimed_ || claim_period_ != period_; };
  if (queue) {
    unclaimed_.wait_for(lock, std::chrono::milliseconds(kExchangeQueueLimitMs), [&] { return ended() || free(); });
  }
  if (ended() || !free()) return false;
  claimed_ = true;
  claim_period_ = period;
  return true;
}

void CUSBDriver::Unclaim(std::uint64_t period) {
  {
    std::lock_guard lock(mutex_);
    if (claimed_ && claim_period_ == period) claimed_ = false;
  }
  unclaimed_.notify_all();
}

// --- the parts of an exchange ----------------------------------------------

bool LinkSession::Valid() const { return link_.Current(period_); }

bool LinkSession::Wait(std::uint32_t ms) {
  for (;;) {
    if (!Valid()) return false;
    if (ms == 0) return true;
    const std::uint32_t step = std::min(ms, kWaitStepMs);
    link_.sleeper_.SleepMs(step);
    ms -= step;
  }
}

bool LinkSession::Send(const CommandBytes& command) {
  const auto endpoint = link_.EndpointOf(period_, HidAccess::write);
  if (!endpoint) return false;
  std::array<std::uint8_t, kReportBufferSize> report{};
  report[0] = endpoint->report_id;
  std::copy(command.begin(), command.end(), report.begin() + 1);
  return endpoint->device->SetFeature(std::span(report).first(endpoint->report_length + 1));
}

bool LinkSession::Read(std::array<std::uint8_t, kReportBufferSize>& reply, std::size_t& size) {
  const auto endpoint = link_.EndpointOf(period_, HidAccess::read);
  if (!endpoint) return false;
  reply.fill(0);
  reply[0] = endpoint->report_id;
  size = endpoint->report_length + 1;
  return endpoint->device->GetFeature(std::span(reply).first(size));
}

// One 33-byte output report: the report id, then payload (at most 32 bytes), then zeros.
bool LinkSession::Output(std::span<const std::uint8_t> payload) {
  const auto endpoint = link_.EndpointOf(period_, HidAccess::write);
  if (!endpoint) return false;
  std::array<std::uint8_t, kOutputReportSize> report{};
  report[0] = endpoint->report_id;
  std::copy(payload.begin(), payload.end(), report.begin() + 1);
  switch (endpoint->device->WriteOutput(report)) {
    case HidWriteStatus::done:
      return true;
    case HidWriteStatus::pending:
      // Only a pending write is waited for; one that did not complete in
      // that time was cancelled and did not reach the mouse.
      return endpoint->device->WaitForPendingWrite(kPendingWriteTimeoutMs);
    default:
      return false;
  }
}

bool LinkSession::Blocks(std::span<const std::uint8_t> data) {
  if (data.size() % kDataBlockSize != 0) return false;
  // A failed piece does not stop the transfer, but the transfer then failed:
  // the mouse holds a torn table, and reporting success would hide that. A
  // closed link ends it at once: every later piece would fail as well.
  bool allWritten = true;
  for (std::size_t offset = 0; offset < data.size(); offset += kDataBlockSize) {
    if (!Wait(kBlockWaitMs)) return false;
    if (!Output(data.subspan(offset, kDataBlockSize))) allWritten = false;
    if (!Wait(kBlockWaitMs)) return false;
  }
  return allWritten;
}

bool LinkSession::Command(const CommandBytes& command) {
  Exchange exchange(*this, true);
  return exchange && Send(command);
}

bool LinkSession::CommandWithBlocks(const CommandBytes& command, std::uint32_t firstWait,
                                    std::span<const std::uint8_t> data) {
  Exchange exchange(*this, true);
  return exchange && Send(command) && Wait(firstWait) && Blocks(data);
}

// --- the commands ----------------------------------------------------------

bool LinkSession::SendFeature(const CommandBytes& command) { return Command(command); }

bool LinkSession::WriteBlocks(std::span<const std::uint8_t> data) {
  Exchange exchange(*this, true);
  return exchange && Blocks(data);
}

std::optional<int> LinkSession::GetFirmwareVersion() {
  Exchange exchange(*this, false);
  if (!exchange || !Send(VersionQueryCommand()) || !Wait(kVersionReplyWaitMs)) return std::nullopt;
  std::array<std::uint8_t, kReportBufferSize> reply{};
  std::size_t size = 0;
  if (!Read(reply, size)) return std::nullopt;
  return ParseFirmwareVersion(std::span(reply).first(size));
}

bool LinkSession::SetReportInterval(int interval) { return Command(ReportIntervalCommand(interval)); }

bool LinkSession::SetDpiSelect(int stages) { return Command(DpiSelectCommand(stages)); }

bool LinkSession::SetLedColor(std::uint32_t colour) { return Command(LedColorCommand(colour)); }

bool LinkSession::SetLedEffect(int effect, int level, int variant) {
  return Command(LedEffectCommand(effect, level, variant));
}

bool LinkSession::SetTouchSensing(int on, int ledEffect) { return Command(TouchSensingCommand(on, ledEffect)); }

bool LinkSession::SetDpiTable(DpiBlockView block) {
  Exchange exchange(*this, true);
  if (!exchange || !Send(DpiTableCommand()) || !Wait(kDpiBlockWaitMs)) return false;
  const bool written = Output(block);
  return Wait(kDpiBlockWaitMs) && written;
}

bool LinkSession::WriteKeyMatrix(KeyMatrixView matrix) {
  return CommandWithBlocks(KeyMatrixCommand(), kPayloadWaitMs, matrix);
}

bool LinkSession::WriteMacro(int slot, MacroBlockView block) {
  if (slot < 0 || slot > 7) return false;
  return CommandWithBlocks(MacroCommand(slot), kPayloadWaitMs, block);
}

}  // namespace zk40
