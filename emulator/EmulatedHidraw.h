#pragma once
// The emulated mouse as Linux's hidraw shows a ZK40: two nodes of the same
// vendor and product, /dev/hidraw0 the pointer interface (a plain mouse
// collection, no protocol report) and /dev/hidraw1 the vendor interface with
// the virtual mouse's own report descriptor, whose reports go to the emulated
// mouse. Lets the hidraw layer and the programs above it run end to end
// without a device.

#include <cstdint>
#include <map>
#include <memory>
#include <span>

#include "EmulatedMouse.h"
#include "platform/HidrawIo.h"

namespace zk40 {

// The report descriptor the virtual ZK40 presents.
std::span<const std::uint8_t> Zk40ReportDescriptor();

class EmulatedHidraw final : public HidrawIo {
 public:
  explicit EmulatedHidraw(EmulatedMouse& mouse) : mouse_(mouse) {}

  std::vector<std::string> ListNodes() override;
  int Open(const std::string& node, HidrawOpenMode mode, HidrawOpenError& error) override;
  void Close(int fd) override;
  bool GetDeviceInfo(int fd, HidrawDeviceInfo& out) override;
  bool GetReportDescriptor(int fd, std::vector<std::uint8_t>& out) override;
  long SetFeature(int fd, std::span<const std::uint8_t> report) override;
  long GetFeature(int fd, std::span<std::uint8_t> report) override;
  long Write(int fd, std::span<const std::uint8_t> report) override;

 private:
  struct OpenNode {
    bool vendor = false;
    std::unique_ptr<HidDevice> mouse;  // the vendor node's handle to the emulated mouse
  };
  HidDevice* MouseOf(int fd);

  EmulatedMouse& mouse_;
  std::map<int, OpenNode> open_;
  int next_fd_ = 3;
};

}  // namespace zk40
