#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "platform/FileSystem.h"

namespace zk40 {

// Writes a settings file so that it is either the old file or the whole new
// one, never a torn mix: the bytes go to a temporary file beside the target,
// which then replaces the target in one step. On failure the target is left as
// it was and the temporary file is removed.
FileStatus WriteFileReplacing(FileSystem& fs, const std::u16string& path,
                              std::span<const std::uint8_t> bytes);

// The name of the temporary file used for path.
std::u16string TemporaryPathFor(const std::u16string& path);

}  // namespace zk40
