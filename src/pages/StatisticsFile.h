#pragma once
// Sts.cfg: the six counters as 24 raw bytes, no header.

#include <string>

#include "pages/Statistics.h"
#include "platform/FileSystem.h"

namespace zk40 {

// Reads the counters; every counter the file does not hold whole reads as 0,
// so a short file keeps the counters before its cut and never yields part of
// a number. The status of the read (counters all 0 when it is not ok).
FileStatus LoadStatistics(FileSystem& fs, const std::u16string& path, StatisticsCounters& counters);

// Replaces the file in one step: the old file or the whole new one, never a torn one.
FileStatus SaveStatistics(FileSystem& fs, const std::u16string& path, const StatisticsCounters& counters);

}  // namespace zk40
