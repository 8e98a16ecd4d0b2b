#include "EmulatedHidraw.h"

#include <iterator>

#include "zk40_report_descriptor.h"

namespace zk40 {
namespace {

constexpr char kPointerNode[] = "/dev/hidraw0";
constexpr char kVendorNode[] = "/dev/hidraw1";
constexpr std::uint32_t kUsbBus = 3;
// How long a pending output write is given, as the link gives it.
constexpr std::uint32_t kPendingWaitMs = 1500;

// A three-button mouse with a wheel: no feature report at all.
constexpr std::uint8_t kPointerDescriptor[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,  // generic desktop, mouse, pointer
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,  // buttons 1..3
    0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05,  //   three bits, five bits padding
    0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38,  // x, y, wheel
    0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06,  //   three relative bytes
    0xC0, 0xC0,
};

}  // namespace

std::span<const std::uint8_t> Zk40ReportDescriptor() { return zk40_report_descriptor; }

std::vector<std::string> EmulatedHidraw::ListNodes() { return {kPointerNode, kVendorNode}; }

int EmulatedHidraw::Open(const std::string& node, HidrawOpenMode mode, HidrawOpenError& error) {
  OpenNode opened;
  if (node == kVendorNode) {
    opened.vendor = true;
    const HidAccess access = mode == HidrawOpenMode::write_only ? HidAccess::write : HidAccess::read;
    opened.mouse = mouse_.Open(mouse_.interfaces.front().path, access);
    if (!opened.mouse) {
      error = HidrawOpenError::not_found;
      return -1;
    }
  } else if (node != kPointerNode) {
    error = HidrawOpenError::not_found;
    return -1;
  }
  error = HidrawOpenError::none;
  const int fd = next_fd_++;
  open_.emplace(fd, std::move(opened));
  return fd;
}

void EmulatedHidraw::Close(int fd) { open_.erase(fd); }

bool EmulatedHidraw::GetDeviceInfo(int fd, HidrawDeviceInfo& out) {
  if (!open_.count(fd)) return false;
  out = {kUsbBus, 0x3E7A, 0x6D3B};
  return true;
}

bool EmulatedHidraw::GetReportDescriptor(int fd, std::vector<std::uint8_t>& out) {
  const auto it = open_.find(fd);
  if (it == open_.end()) return false;
  if (it->second.vendor) {
    out.assign(std::begin(zk40_report_descriptor), std::end(zk40_report_descriptor));
  } else {
    out.assign(std::begin(kPointerDescriptor), std::end(kPointerDescriptor));
  }
  return true;
}

HidDevice* EmulatedHidraw::MouseOf(int fd) {
  const auto it = open_.find(fd);
  return it == open_.end() ? nullptr : it->second.mouse.get();
}

long EmulatedHidraw::SetFeature(int fd, std::span<const std::uint8_t> report) {
  HidDevice* mouse = MouseOf(fd);
  return mouse && mouse->SetFeature(report) ? static_cast<long>(report.size()) : -1;
}

long EmulatedHidraw::GetFeature(int fd, std::span<std::uint8_t> report) {
  HidDevice* mouse = MouseOf(fd);
  return mouse && mouse->GetFeature(report) ? static_cast<long>(report.size()) : -1;
}

long EmulatedHidraw::Write(int fd, std::span<const std::uint8_t> report) {
  HidDevice* mouse = MouseOf(fd);
  if (!mouse) return -1;
  // write() on hidraw returns once the report went; a pending one is waited for.
  switch (mouse->WriteOutput(report)) {
    case HidWriteStatus::done:
      return static_cast<long>(report.size());
    case HidWriteStatus::pending:
      return mouse->WaitForPendingWrite(kPendingWaitMs) ? static_cast<long>(report.size()) : -1;
    default:
      return -1;
  }
}

}  // namespace zk40
