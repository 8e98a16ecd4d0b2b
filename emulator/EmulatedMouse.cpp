#include "EmulatedMouse.h"

#include <algorithm>

namespace zk40 {

EmulatedInterface Zk40Interface(std::u16string path) {
  EmulatedInterface itf;
  itf.path = std::move(path);
  itf.attributes = {0x3E7A, 0x6D3B, 0x0100};
  itf.caps = {{0xFF01, 0x22, 5, 64}};
  return itf;
}

// One open handle; what it may do depends on how it was opened.
class EmulatedMouse::Handle final : public HidDevice {
 public:
  Handle(EmulatedMouse& mouse, const EmulatedInterface& itf, HidAccess access)
      : mouse_(mouse), itf_(itf), format_(FormatOf(itf)), access_(access) {}
  ~Handle() override { mouse_.OnClose(); }

  bool GetAttributes(HidAttributes& out) override {
    if (!itf_.attributes_answer) return false;
    out = itf_.attributes;
    return true;
  }
  bool GetFeatureValueCaps(std::vector<HidValueCaps>& out) override {
    if (!itf_.caps_answer) return false;
    out = itf_.caps;
    return true;
  }
  bool SetFeature(std::span<const std::uint8_t> report) override {
    return access_ == HidAccess::write && mouse_.OnSetFeature(format_, report);
  }
  bool GetFeature(std::span<std::uint8_t> report) override {
    return access_ == HidAccess::read && mouse_.OnGetFeature(format_, report);
  }
  HidWriteStatus WriteOutput(std::span<const std::uint8_t> report) override {
    if (access_ != HidAccess::write) return HidWriteStatus::failed;
    return mouse_.OnWriteOutput(format_, report);
  }
  bool WaitForPendingWrite(std::uint32_t timeoutMs) override { return mouse_.OnWaitPending(timeoutMs); }
  void CancelWrites() override { mouse_.OnCancelWrites(); }

 private:
  EmulatedMouse& mouse_;
  const EmulatedInterface itf_;
  const ReportFormat format_;
  const HidAccess access_;
};

EmulatedMouse::EmulatedMouse(Clock& clock, Sleeper& sleeper) : clock_(clock), sleeper_(sleeper) {
  interfaces.push_back(Zk40Interface());
}

EmulatedMouse::~EmulatedMouse() = default;

EmulatedMouse::ReportFormat EmulatedMouse::FormatOf(const EmulatedInterface& itf) {
  for (const HidValueCaps& c : itf.caps) {
    if (c.usage_page == 0xFF01 && c.usage == 0x22) return {c.report_id, std::size_t{c.report_count} + 1};
  }
  return {};
}

void EmulatedMouse::SetFirmwareVersion(std::uint8_t tens, std::uint8_t units) {
  std::lock_guard lock(mutex_);
  version_[0] = tens;
  version_[1] = units;
}

void EmulatedMouse::RejectFeatureStartingWith(std::vector<std::uint8_t> prefix) {
  std::lock_guard lock(mutex_);
  reject_prefix_ = std::move(prefix);
}

void EmulatedMouse::UnplugAfter(std::size_t transfers) {
  std::lock_guard lock(mutex_);
  unplug_after_ = transfers;
}

void EmulatedMouse::AnswerWritesPending(std::optional<std::uint32_t> completionMs) {
  std::lock_guard lock(mutex_);
  pending_writes_ = true;
  pending_completion_ms_ = completionMs;
}

std::vector<TransferRecord> EmulatedMouse::Transfers() const {
  std::lock_guard lock(mutex_);
  return log_;
}

std::size_t EmulatedMouse::TransferCount() const {
  std::lock_guard lock(mutex_);
  return log_.size();
}

MouseState EmulatedMouse::State() const {
  std::lock_guard lock(mutex_);
  return state_;
}

std::vector<std::pair<std::u16string, HidAccess>> EmulatedMouse::Opens() const {
  std::lock_guard lock(mutex_);
  return opens_;
}

int EmulatedMouse::OpenHandles() const {
  std::lock_guard lock(mutex_);
  return open_handles_;
}

// --- the HID side ----------------------------------------------------------

bool EmulatedMouse::EnumerateInterfaces(std::vector<std::u16string>& paths) {
  paths.clear();
  for (const EmulatedInterface& itf : interfaces) paths.push_back(itf.path);
  return true;
}

std::unique_ptr<HidDevice> EmulatedMouse::Open(const std::u16string& path, HidAccess access) {
  auto itf = std::find_if(interfaces.begin(), interfaces.end(), [&](const auto& i) { return i.path == path; });
  if (itf == interfaces.end()) return nullptr;
  const bool opens = access == HidAccess::query  ? itf->query_opens
                     : access == HidAccess::read ? itf->read_opens
                                                 : itf->write_opens;
  if (!opens) return nullptr;
  std::lock_guard lock(mutex_);
  opens_.emplace_back(path, access);
  ++open_handles_;
  return std::make_unique<Handle>(*this, *itf, access);
}

void EmulatedMouse::OnClose() {
  std::lock_guard lock(mutex_);
  --open_handles_;
}

bool EmulatedMouse::TakeTransfer() {
  ++transfers_;
  return !unplug_after_ || transfers_ <= *unplug_after_;
}

void EmulatedMouse::Log(TransferKind kind, std::span<const std::uint8_t> bytes, bool accepted) {
  log_.push_back({kind, clock_.NowMs(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()), accepted});
}

bool EmulatedMouse::OnSetFeature(const ReportFormat& format, std::span<const std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  bool accepted = TakeTransfer() && format.feature_size != 0 && report.size() == format.feature_size &&
                  report[0] == format.report_id;
  if (accepted && reject_prefix_ && reject_prefix_->size() < report.size() &&
      std::equal(reject_prefix_->begin(), reject_prefix_->end(), report.begin() + 1)) {
    reject_prefix_.reset();
    accepted = false;
  }
  Log(TransferKind::set_feature, report, accepted);
  if (accepted) RunCommand(report);
  return accepted;
}

bool EmulatedMouse::OnGetFeature(const ReportFormat& format, std::span<std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  const bool accepted = TakeTransfer() && format.feature_size != 0 && report.size() == format.feature_size &&
                        report[0] == format.report_id;
  if (accepted) {
    std::fill(report.begin() + 1, report.end(), std::uint8_t{0});
    std::copy_n(reply_.begin(), std::min(reply_.size(), report.size() - 1), report.begin() + 1);
  }
  Log(TransferKind::get_feature, report, accepted);
  return accepted;
}

HidWriteStatus EmulatedMouse::OnWriteOutput(const ReportFormat& format, std::span<const std::uint8_t> report) {
  std::lock_guard lock(mutex_);
  const bool accepted = TakeTransfer() && report.size() == 33 && report[0] == format.report_id;
  Log(TransferKind::output, report, accepted);
  if (!accepted) return HidWriteStatus::failed;
  writes_cancelled_.store(false);
  TakePayload(report.subspan(1));
  return pending_writes_ ? HidWriteStatus::pending : HidWriteStatus::done;
}

bool EmulatedMouse::OnWaitPending(std::uint32_t timeoutMs) {
  std::optional<std::uint32_t> completion;
  {
    std::lock_guard lock(mutex_);
    completion = pending_completion_ms_;
  }
  const bool completes = completion && *completion <= timeoutMs;
  // In short steps, so that a cancel from another thread ends the wait.
  constexpr std::uint32_t kStepMs = 10;
  for (std::uint32_t left = completes ? *completion : timeoutMs; left > 0;) {
    if (writes_cancelled_.load()) return false;
    const std::uint32_t step = std::min(left, kStepMs);
    sleeper_.SleepMs(step);
    left -= step;
  }
  return completes && !writes_cancelled_.load();
}

void EmulatedMouse::OnCancelWrites() { writes_cancelled_.store(true); }

// --- the mouse's side of the protocol -------------------------------------

void EmulatedMouse::RunCommand(std::span<const std::uint8_t> report) {
  auto at = [&](std::size_t i) -> std::uint8_t { return i < report.size() ? report[i] : 0; };
  // A new command abandons a payload whose blocks did not all arrive.
  payload_.reset();
  switch (at(1)) {
    case 0x80:
      reply_ = {0x80, version_[0], version_[1]};
      return;
    case 0x01:
      state_.report_interval = at(2);
      return;
    case 0x03:
      if (at(2) == 0xA0 || at(2) == 0xB0) state_.touch_sensing = at(2) == 0xA0;
      return;
    default:
      break;
  }
  if (at(2) != 0x01) return;
  const std::size_t length = std::size_t{at(4)} | std::size_t{at(5)} << 8;
  switch (at(1)) {
    case 0x0B:
      state_.dpi_select = at(3);
      return;
    case 0x0C:
      state_.colour = {at(3), at(4), at(5)};
      return;
    case 0x0D:
      state_.effect = {at(3), at(4), at(5)};
      return;
    case 0x11:
    case 0x12:
    case 0x13:
      payload_ = Payload{at(1), at(3), length, {}};
      return;
    default:
      return;
  }
}

void EmulatedMouse::TakePayload(std::span<const std::uint8_t> data) {
  if (!payload_) return;
  const std::size_t take = std::min(data.size(), payload_->length - payload_->data.size());
  payload_->data.insert(payload_->data.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
  if (payload_->data.size() < payload_->length) return;

  const std::vector<std::uint8_t>& bytes = payload_->data;
  auto fill = [&bytes](auto& target) {
    target.emplace();
    std::fill(target->begin(), target->end(), std::uint8_t{0});
    std::copy_n(bytes.begin(), std::min(bytes.size(), target->size()), target->begin());
  };
  switch (payload_->command) {
    case 0x11:
      if (payload_->length == 16) fill(state_.dpi_block);
      break;
    case 0x12:
      if (payload_->length == 64) fill(state_.key_matrix);
      break;
    case 0x13:
      if (payload_->length == 512) {
        std::array<std::uint8_t, 512>& block = state_.macros[payload_->slot];
        std::copy_n(bytes.begin(), block.size(), block.begin());
      }
      break;
    default:
      break;
  }
  payload_.reset();
}

}  // namespace zk40
