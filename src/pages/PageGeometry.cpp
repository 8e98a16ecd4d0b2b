#include "pages/PageGeometry.h"

#include <algorithm>

namespace zk40 {

PageRect MiddleStrip(const PageRect& box, int height) {
  const int boxHeight = std::max(0, box.bottom - box.top);
  const int h = std::clamp(height, 0, boxHeight);
  const int top = box.top + (boxHeight - h) / 2;
  return {box.left, top, box.right, top + h};
}

std::vector<int> HintsAt(std::span<const HintArea> areas, PagePoint cursor) {
  std::vector<int> hints;
  for (const HintArea& area : areas) {
    if (area.rect.Inflated(1, 1).Contains(cursor)) hints.push_back(area.hint);
  }
  return hints;
}

}  // namespace zk40
