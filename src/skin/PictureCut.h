#pragma once
// A control that shows part of a page-size picture keeps its own copy of just
// that part: the cut. The arithmetic here says which pixels of the picture
// the cut holds and where in the control they are drawn, so that the copy
// draws exactly what drawing from the whole picture did.

#include "skin/Geometry.h"

namespace zk40::skin {

struct PictureCut {
  // The picture's pixels under the control's box; empty when none are.
  Rect source;
  // Where source's top-left pixel lands in the box's own coordinates. Not
  // zero when the box starts left of or above the picture.
  Point at;
  friend constexpr bool operator==(const PictureCut&, const PictureCut&) = default;
};

// The cut under box (in the picture's coordinates) of a picture of size
// picture. The part of the box outside the picture shows nothing from it, as
// a copy from past a picture's edge draws nothing.
PictureCut CutUnder(const Rect& box, layout::Size picture);

}  // namespace zk40::skin
