#pragma once
// Trophies: a cup whose metal, ornaments and glow grow with the level.

#include <cairo.h>

#include "Canvas.h"

namespace zk40::art {

// Metal of a level 1..12: bronze, silver, gold, then cyan crystal.
struct Metal {
  Rgb light;
  Rgb mid;
  Rgb dark;
};
Metal MetalOfLevel(int level);

// A cup centred on cx, standing on base_y, of height h. Level 0 draws only a
// faint outline: a trophy still to be won.
void DrawCup(cairo_t* cr, double cx, double base_y, double h, int level);

}  // namespace zk40::art
