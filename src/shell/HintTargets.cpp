#include "shell/HintTargets.h"

namespace zk40 {

std::optional<int> HintAt(std::span<const HintTarget> targets, int x, int y) {
  for (const HintTarget& t : targets) {
    if (x >= t.left - 1 && x < t.right + 1 && y >= t.top - 1 && y < t.bottom + 1) return t.hint;
  }
  return std::nullopt;
}

}  // namespace zk40
