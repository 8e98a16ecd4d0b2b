#pragma once
#include <memory>

#include "platform/FileSystem.h"

namespace zk40 {

// The real file system of the machine: Win32 calls on Windows, POSIX calls
// elsewhere.
std::unique_ptr<FileSystem> CreateSystemFileSystem();

}  // namespace zk40
