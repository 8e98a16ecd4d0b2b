#pragma once
// The arithmetic of the frame that puts skinned scroll bars over a list
// window's own ones. The list sits in an inner clipping window ("LIMIT");
// its own bars are narrowed to one skin cell and pushed just outside that
// window, where the skin bars lie in their place.

#include "skin/Geometry.h"

namespace zk40::skin {

// The scroll bars a list window has.
struct ListScrollBars {
  bool vertical = false;
  bool vertical_on_left = false;
  bool horizontal = false;
  friend bool operator==(const ListScrollBars&, const ListScrollBars&) = default;
};

// Where the corner box between two bars goes.
enum class CornerMode : int { none = 0, bottom_left = 1, bottom_right = 2 };
CornerMode CornerModeOf(const ListScrollBars& bars);

// The list's client rectangle after its own size computation, widened so
// that each of its bars is only `cell` wide: system_width and system_height
// are the platform's vertical bar width and horizontal bar height.
Rect WidenClientForSkin(const Rect& client, const ListScrollBars& bars, int cell, int system_width,
                        int system_height);

// The strips the list's own (narrowed) bars occupy, next to the widened
// client rectangle, in the same coordinates; empty for a bar it lacks.
Rect VerticalBarStrip(const Rect& client, const ListScrollBars& bars, int cell);
Rect HorizontalBarStrip(const Rect& client, const ListScrollBars& bars, int cell);

// The clipping window inside a frame client area of the given size, and
// where the list goes inside it so that its own bars fall outside.
struct LimitPlacement {
  Rect limit;        // in the frame's client coordinates
  Point list_origin;  // in the clipping window's client coordinates
  friend bool operator==(const LimitPlacement&, const LimitPlacement&) = default;
};
LimitPlacement PlaceLimit(int frame_width, int frame_height, const ListScrollBars& bars, int cell);

// The corner box in the frame's client area; empty for CornerMode::none.
Rect CornerBox(int frame_width, int frame_height, CornerMode mode, int cell);

}  // namespace zk40::skin
