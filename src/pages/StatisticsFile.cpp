#include "pages/StatisticsFile.h"

#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ByteImage.h"

namespace zk40 {

FileStatus LoadStatistics(FileSystem& fs, const std::u16string& path, StatisticsCounters& counters) {
  counters = {};
  std::vector<std::uint8_t> bytes;
  const FileStatus status = fs.ReadWhole(path, sizeof counters, bytes);
  if (status != FileStatus::ok) return status;
  bytes.resize(bytes.size() / sizeof(std::uint32_t) * sizeof(std::uint32_t));
  AssignFromBytes(counters, bytes);
  return status;
}

FileStatus SaveStatistics(FileSystem& fs, const std::u16string& path, const StatisticsCounters& counters) {
  return WriteFileReplacing(fs, path, BytesOf(counters));
}

}  // namespace zk40
