#include "pages/PageGeometry.h"

namespace zk40 {

std::vector<int> HintsAt(std::span<const HintArea> areas, PagePoint cursor) {
  std::vector<int> hints;
  for (const HintArea& area : areas) {
    if (area.rect.Inflated(1, 1).Contains(cursor)) hints.push_back(area.hint);
  }
  return hints;
}

}  // namespace zk40
