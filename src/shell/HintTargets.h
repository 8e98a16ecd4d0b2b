#pragma once
// Which hint number a page posts for the cursor: its controls are tested in a
// fixed order, each rectangle grown by one pixel on every side, and the first
// that holds the point wins.

#include <optional>
#include <span>

namespace zk40 {

// A control's rectangle in page coordinates (right and bottom exclusive) and its hint number.
struct HintTarget {
  int left, top, right, bottom;
  int hint;
};

std::optional<int> HintAt(std::span<const HintTarget> targets, int x, int y);

}  // namespace zk40
