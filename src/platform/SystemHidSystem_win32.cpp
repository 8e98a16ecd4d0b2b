#include "platform/SystemHidSystem.h"

#include "platform/HidSystem_win32.h"

namespace zk40 {

std::unique_ptr<HidSystem> CreateSystemHidSystem() { return std::make_unique<HidSystemWin32>(); }

}  // namespace zk40
