#include "platform/HidrawIo.h"
#include "platform/HidrawSystem.h"
#include "platform/SystemHidSystem.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace zk40 {
namespace {

constexpr char kNodePrefix[] = "hidraw";

// The number of a node named hidraw<N>; nothing for any other name.
std::optional<unsigned> NodeNumber(const std::string& name) {
  const std::string_view prefix = kNodePrefix;
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  unsigned number = 0;
  const char* begin = name.data() + prefix.size();
  const char* end = name.data() + name.size();
  const auto [next, ec] = std::from_chars(begin, end, number);
  if (ec != std::errc() || next != end) return std::nullopt;
  return number;
}

// A call interrupted by a signal is made again.
template <typename Call>
long Retrying(Call call) {
  long result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

class SystemHidrawIo final : public HidrawIo {
 public:
  std::vector<std::string> ListNodes() override {
    std::vector<std::pair<unsigned, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
      const std::string name = entry.path().filename().string();
      if (const auto number = NodeNumber(name)) found.emplace_back(*number, entry.path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> nodes;
    for (auto& [number, path] : found) nodes.push_back(std::move(path));
    return nodes;
  }

  int Open(const std::string& node, HidrawOpenMode mode, HidrawOpenError& error) override {
    const int flags = (mode == HidrawOpenMode::write_only ? O_WRONLY : O_RDONLY) | O_CLOEXEC;
    const int fd = static_cast<int>(Retrying([&] { return static_cast<long>(::open(node.c_str(), flags)); }));
    if (fd >= 0) {
      error = HidrawOpenError::none;
    } else if (errno == ENOENT || errno == ENODEV || errno == ENXIO) {
      error = HidrawOpenError::not_found;
    } else if (errno == EACCES || errno == EPERM) {
      error = HidrawOpenError::access_denied;
    } else {
      error = HidrawOpenError::other;
    }
    return fd;
  }

  void Close(int fd) override { ::close(fd); }

  bool GetDeviceInfo(int fd, HidrawDeviceInfo& out) override {
    hidraw_devinfo info{};
    if (::ioctl(fd, HIDIOCGRAWINFO, &info) < 0) return false;
    out.bus_type = info.bustype;
    out.vendor_id = static_cast<std::uint16_t>(info.vendor);
    out.product_id = static_cast<std::uint16_t>(info.product);
    return true;
  }

  bool GetReportDescriptor(int fd, std::vector<std::uint8_t>& out) override {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) return false;
    hidraw_report_descriptor descriptor{};
    descriptor.size = static_cast<__u32>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) return false;
    out.assign(descriptor.value, descriptor.value + size);
    return true;
  }

  long SetFeature(int fd, std::span<const std::uint8_t> report) override {
    return Retrying([&] { return static_cast<long>(::ioctl(fd, HIDIOCSFEATURE(report.size()), report.data())); });
  }

  long GetFeature(int fd, std::span<std::uint8_t> report) override {
    return Retrying([&] { return static_cast<long>(::ioctl(fd, HIDIOCGFEATURE(report.size()), report.data())); });
  }

  long Write(int fd, std::span<const std::uint8_t> report) override {
    return Retrying([&] { return static_cast<long>(::write(fd, report.data(), report.size())); });
  }
};

}  // namespace

std::unique_ptr<HidSystem> CreateSystemHidSystem() {
  return std::make_unique<HidrawSystem>(std::make_unique<SystemHidrawIo>());
}

}  // namespace zk40
