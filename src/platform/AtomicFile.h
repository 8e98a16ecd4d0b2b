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
//
// The temporary file is always a new one, named like the target followed by
// kTemporaryMark and 8 hex digits that differ for every write: no file that
// exists, the user's or anyone's, is ever written over or removed.
// A path too long for the temporary name is written in place instead, as
// the plain write would have done.
FileStatus WriteFileReplacing(FileSystem& fs, const std::u16string& path,
                              std::span<const std::uint8_t> bytes);

inline constexpr char16_t kTemporaryMark[] = u".~";

// A temporary name beside path, different on every call (the same form the
// replacing write uses), for a writer that fills the file itself, such as a
// download, before it is moved over path.
std::u16string TemporaryPathFor(const std::u16string& path);

}  // namespace zk40
