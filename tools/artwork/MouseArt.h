#pragma once
// The top view of the ZK40 drawn on the button page and, smaller, on the
// macro page.

#include "Draw.h"

namespace zk40::art {

struct MouseShape {
  double cx;      // centre line
  double top;     // front edge
  double bottom;  // back edge
  double half;    // half of the widest width
  double split;   // where the two main buttons end
};

// Body, button split, wheel and rim light; the glow behind it when glow.
void DrawMouse(cairo_t* cr, const MouseShape& m, bool glow);

}  // namespace zk40::art
