#include "skin/ScrollFrameLayout.h"

namespace zk40::skin {

CornerMode CornerModeOf(const ListScrollBars& bars) {
  if (!bars.vertical || !bars.horizontal) return CornerMode::none;
  return bars.vertical_on_left ? CornerMode::bottom_left : CornerMode::bottom_right;
}

Rect WidenClientForSkin(const Rect& client, const ListScrollBars& bars, int cell, int system_width,
                        int system_height) {
  Rect widened = client;
  if (bars.vertical) {
    if (bars.vertical_on_left) {
      widened.left -= system_width - cell;
    } else {
      widened.right += system_width - cell;
    }
  }
  if (bars.horizontal) widened.bottom += system_height - cell;
  return widened;
}

Rect VerticalBarStrip(const Rect& client, const ListScrollBars& bars, int cell) {
  if (!bars.vertical) return {};
  if (bars.vertical_on_left) return {client.left - cell, client.top, client.left, client.bottom};
  return {client.right, client.top, client.right + cell, client.bottom};
}

Rect HorizontalBarStrip(const Rect& client, const ListScrollBars& bars, int cell) {
  if (!bars.horizontal) return {};
  return {client.left, client.bottom, client.right, client.bottom + cell};
}

LimitPlacement PlaceLimit(int frame_width, int frame_height, const ListScrollBars& bars, int cell) {
  LimitPlacement placement{{0, 0, frame_width, frame_height}, {0, 0}};
  if (bars.horizontal) placement.limit.bottom -= cell;
  if (bars.vertical) {
    if (bars.vertical_on_left) {
      placement.limit.left += cell;
      placement.list_origin.x = -cell;
    } else {
      placement.limit.right -= cell;
    }
  }
  return placement;
}

Rect CornerBox(int frame_width, int frame_height, CornerMode mode, int cell) {
  switch (mode) {
    case CornerMode::bottom_left:
      return {0, frame_height - cell, cell, frame_height};
    case CornerMode::bottom_right:
      return {frame_width - cell, frame_height - cell, frame_width, frame_height};
    case CornerMode::none:
      break;
  }
  return {};
}

}  // namespace zk40::skin
