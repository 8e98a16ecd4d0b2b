#include "app/TracingHidSystem.h"

#include "HexText.h"

namespace zk40 {
namespace {

std::string Event(const char* kind, std::span<const std::uint8_t> bytes) {
  return std::string(kind) + " " + Hex(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

class TracingDevice final : public HidDevice {
 public:
  TracingDevice(std::unique_ptr<HidDevice> inner, TracingHidSystem::Sink sink)
      : inner_(std::move(inner)), sink_(std::move(sink)) {}

  bool GetAttributes(HidAttributes& out) override { return inner_->GetAttributes(out); }
  bool GetFeatureValueCaps(std::vector<HidValueCaps>& out) override { return inner_->GetFeatureValueCaps(out); }

  bool SetFeature(std::span<const std::uint8_t> report) override {
    sink_(Event("feature", report));
    return inner_->SetFeature(report);
  }
  bool GetFeature(std::span<std::uint8_t> report) override {
    const bool read = inner_->GetFeature(report);
    sink_(Event("read", report));
    return read;
  }
  HidWriteStatus WriteOutput(std::span<const std::uint8_t> report) override {
    sink_(Event("output", report));
    return inner_->WriteOutput(report);
  }
  bool WaitForPendingWrite(std::uint32_t timeoutMs) override { return inner_->WaitForPendingWrite(timeoutMs); }
  void CancelWrites() override { inner_->CancelWrites(); }

 private:
  std::unique_ptr<HidDevice> inner_;
  TracingHidSystem::Sink sink_;
};

}  // namespace

std::unique_ptr<HidDevice> TracingHidSystem::Open(const std::u16string& path, HidAccess access) {
  std::unique_ptr<HidDevice> device = inner_.Open(path, access);
  if (!device) return nullptr;
  return std::make_unique<TracingDevice>(std::move(device), sink_);
}

}  // namespace zk40
