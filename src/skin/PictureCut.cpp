#include "skin/PictureCut.h"

#include <algorithm>

namespace zk40::skin {

PictureCut CutUnder(const Rect& box, layout::Size picture) {
  const Rect source{std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, picture.width),
                    std::min(box.bottom, picture.height)};
  if (IsEmpty(source)) return {};
  return PictureCut{source, Point{source.left - box.left, source.top - box.top}};
}

}  // namespace zk40::skin
