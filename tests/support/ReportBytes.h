#pragma once
// Building and reading the reports the emulated mouse logs.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "EmulatedMouse.h"
#include "HexText.h"

namespace zk40::test {

// A 65-byte command report of the ZK40 (report id 5) with the given bytes after the id.
inline std::vector<std::uint8_t> Feature(std::initializer_list<std::uint8_t> bytes) {
  std::vector<std::uint8_t> report(65, 0);
  report[0] = 5;
  std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
  return report;
}

inline std::vector<TransferRecord> OfKind(const std::vector<TransferRecord>& log, TransferKind kind) {
  std::vector<TransferRecord> out;
  for (const TransferRecord& t : log) if (t.kind == kind) out.push_back(t);
  return out;
}

}  // namespace zk40::test
