#pragma once
// The calls HidrawSystem makes on Linux's hidraw device nodes, one method per
// system call, so that the layer above them can be run against a script in
// tests. The Linux implementation makes the calls themselves.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zk40 {

enum class HidrawOpenMode { read_only, write_only };

enum class HidrawOpenError { none, not_found, access_denied, other };

// HIDIOCGRAWINFO.
struct HidrawDeviceInfo {
  std::uint32_t bus_type = 0;
  std::uint16_t vendor_id = 0;
  std::uint16_t product_id = 0;
};

class HidrawIo {
 public:
  virtual ~HidrawIo() = default;

  // The hidraw nodes of the machine ("/dev/hidraw0", ...) in the order of
  // their numbers.
  virtual std::vector<std::string> ListNodes() = 0;

  // A descriptor, or -1 with the reason in error.
  virtual int Open(const std::string& node, HidrawOpenMode mode, HidrawOpenError& error) = 0;
  virtual void Close(int fd) = 0;

  [[nodiscard]] virtual bool GetDeviceInfo(int fd, HidrawDeviceInfo& out) = 0;
  // HIDIOCGRDESCSIZE then HIDIOCGRDESC.
  [[nodiscard]] virtual bool GetReportDescriptor(int fd, std::vector<std::uint8_t>& out) = 0;
  // HIDIOCSFEATURE / HIDIOCGFEATURE and write(): the report id leads the
  // bytes. Each returns the number of bytes moved, or -1.
  virtual long SetFeature(int fd, std::span<const std::uint8_t> report) = 0;
  virtual long GetFeature(int fd, std::span<std::uint8_t> report) = 0;
  virtual long Write(int fd, std::span<const std::uint8_t> report) = 0;
};

}  // namespace zk40
