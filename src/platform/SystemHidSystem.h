#pragma once
#include <memory>

#include "platform/HidSystem.h"

namespace zk40 {

// The HID interfaces of the machine: SetupDi/HidD/HidP on Windows, the hidraw
// nodes on Linux.
std::unique_ptr<HidSystem> CreateSystemHidSystem();

}  // namespace zk40
