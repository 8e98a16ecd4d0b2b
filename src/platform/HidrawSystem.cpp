#include "platform/HidrawSystem.h"

#include "platform/HidReportDescriptor.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

class HidrawDevice final : public HidDevice {
 public:
  HidrawDevice(HidrawIo& io, int fd) : io_(io), fd_(fd) {}
  ~HidrawDevice() override { io_.Close(fd_); }
  HidrawDevice(const HidrawDevice&) = delete;
  HidrawDevice& operator=(const HidrawDevice&) = delete;

  bool GetAttributes(HidAttributes& out) override {
    HidrawDeviceInfo info;
    if (!io_.GetDeviceInfo(fd_, info)) return false;
    out = {info.vendor_id, info.product_id, 0};
    return true;
  }

  bool GetFeatureValueCaps(std::vector<HidValueCaps>& out) override {
    std::vector<std::uint8_t> bytes;
    if (!io_.GetReportDescriptor(fd_, bytes)) return false;
    const HidDescriptorParse parsed = ParseHidReportDescriptor(bytes);
    if (!parsed.descriptor) return false;
    out = parsed.descriptor->FeatureValueCaps();
    return true;
  }

  // A transfer counts only when every byte went: a short one left the mouse
  // with part of a command.
  bool SetFeature(std::span<const std::uint8_t> report) override {
    return io_.SetFeature(fd_, report) == static_cast<long>(report.size());
  }

  // A reply shorter than the buffer leaves the rest of the buffer as it was.
  bool GetFeature(std::span<std::uint8_t> report) override { return io_.GetFeature(fd_, report) > 0; }

  HidWriteStatus WriteOutput(std::span<const std::uint8_t> report) override {
    return io_.Write(fd_, report) == static_cast<long>(report.size()) ? HidWriteStatus::done
                                                                     : HidWriteStatus::failed;
  }

  bool WaitForPendingWrite(std::uint32_t) override { return true; }
  // Writes on a hidraw node complete before write() returns: nothing is ever in flight.
  void CancelWrites() override {}

 private:
  HidrawIo& io_;
  int fd_;
};

}  // namespace

bool HidrawSystem::EnumerateInterfaces(std::vector<std::u16string>& paths) {
  paths.clear();
  for (const std::string& node : io_.ListNodes()) paths.push_back(Utf8ToUtf16(node));
  return true;
}

std::unique_ptr<HidDevice> HidrawSystem::Open(const std::u16string& path, HidAccess access) {
  const HidrawOpenMode mode = access == HidAccess::write ? HidrawOpenMode::write_only : HidrawOpenMode::read_only;
  HidrawOpenError error = HidrawOpenError::none;
  const int fd = io_.Open(Utf16ToUtf8(path), mode, error);
  if (fd < 0) {
    if (error == HidrawOpenError::access_denied) access_denied_ = true;
    return nullptr;
  }
  return std::make_unique<HidrawDevice>(io_, fd);
}

}  // namespace zk40
