#include "platform/AtomicFile.h"

namespace zk40 {

std::u16string TemporaryPathFor(const std::u16string& path) { return path + u".new"; }

FileStatus WriteFileReplacing(FileSystem& fs, const std::u16string& path,
                              std::span<const std::uint8_t> bytes) {
  const std::u16string temporary = TemporaryPathFor(path);
  FileStatus status = fs.WriteWhole(temporary, bytes);
  if (status == FileStatus::ok) status = fs.MoveReplacing(temporary, path);
  if (status != FileStatus::ok) fs.Remove(temporary);
  return status;
}

}  // namespace zk40
