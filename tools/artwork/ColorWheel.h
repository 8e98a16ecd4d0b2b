#pragma once
// The lighting page's colour wheel: hue round the centre, saturation growing
// from white at the centre to the pure hue at the rim, full brightness.
// Painted pixel by pixel, without antialiasing, a little beyond the ellipse,
// so that every pixel a click inside the ellipse can land on holds a colour of
// the wheel.

#include "Canvas.h"

namespace zk40::art {

// The colour of the wheel inscribed in box at the centre of pixel (x, y).
Rgb WheelColorAt(Rect box, int x, int y);
// Whether the centre of pixel (x, y) lies inside the ellipse inscribed in box.
bool InsideEllipse(Rect box, int x, int y);

void PaintColorWheel(Canvas& c, Rect box);

}  // namespace zk40::art
