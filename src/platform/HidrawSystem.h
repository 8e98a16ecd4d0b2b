#pragma once
// HidSystem over Linux's hidraw: every hidraw node is one interface, named by
// its path. Attributes come from HIDIOCGRAWINFO and the feature value
// capabilities from the node's own report descriptor; feature reports move by
// HIDIOCSFEATURE / HIDIOCGFEATURE and output reports by write(), which
// completes before it returns, so no write is ever pending.

#include <memory>

#include "platform/HidSystem.h"
#include "platform/HidrawIo.h"

namespace zk40 {

class HidrawSystem final : public HidSystem {
 public:
  explicit HidrawSystem(HidrawIo& io) : io_(io) {}
  explicit HidrawSystem(std::unique_ptr<HidrawIo> io) : owned_(std::move(io)), io_(*owned_) {}

  bool EnumerateInterfaces(std::vector<std::u16string>& paths) override;
  std::unique_ptr<HidDevice> Open(const std::u16string& path, HidAccess access) override;

  // True once a node could not be opened for want of permission: the user
  // then needs the udev rule that gives the seat's user the mouse.
  bool AccessWasDenied() const { return access_denied_; }

 private:
  std::unique_ptr<HidrawIo> owned_;
  HidrawIo& io_;
  bool access_denied_ = false;
};

}  // namespace zk40
