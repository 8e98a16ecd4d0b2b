#include "ColorWheel.h"

#include <algorithm>
#include <cmath>

#include "Draw.h"
#include "Theme.h"

namespace zk40::art {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Pixels beyond the ellipse still painted with the wheel, so that a region
// computed a little differently by the window system still finds wheel
// colours at its edge.
constexpr double kBleed = 2.0;

struct Polar {
  double radius;  // 1 on the ellipse
  double angle;   // radians, counter-clockwise from the right
};

Polar PolarAt(Rect box, int x, int y) {
  const double rx = box.Width() / 2.0, ry = box.Height() / 2.0;
  const double dx = (x + 0.5 - (box.left + rx)) / rx;
  const double dy = (y + 0.5 - (box.top + ry)) / ry;
  return {std::sqrt(dx * dx + dy * dy), std::atan2(-dy, dx)};
}

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

}  // namespace

bool InsideEllipse(Rect box, int x, int y) { return PolarAt(box, x, y).radius <= 1.0; }

Rgb WheelColorAt(Rect box, int x, int y) {
  const Polar p = PolarAt(box, x, y);
  double hue = p.angle / (2 * kPi) * 6;  // 0..6 sextants
  if (hue < 0) hue += 6;
  const double s = std::min(p.radius, 1.0);
  const double f = hue - std::floor(hue);
  const double q = 1 - s * f, t = 1 - s * (1 - f), w = 1 - s;
  double r = 1, g = 1, b = 1;
  switch (static_cast<int>(hue) % 6) {
    case 0: r = 1, g = t, b = w; break;
    case 1: r = q, g = 1, b = w; break;
    case 2: r = w, g = 1, b = t; break;
    case 3: r = w, g = q, b = 1; break;
    case 4: r = t, g = w, b = 1; break;
    default: r = 1, g = w, b = q; break;
  }
  return {Channel(r), Channel(g), Channel(b)};
}

void PaintColorWheel(Canvas& c, Rect box) {
  cairo_t* cr = c.Cr();
  const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  const double rx = box.Width() / 2.0, ry = box.Height() / 2.0;
  // A dark well and a rim outside the painted pixels.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, (rx + 6) / rx, (ry + 6) / ry);
  cairo_arc(cr, 0, 0, rx, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, theme::kInset);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, (rx + 4.5) / rx, (ry + 4.5) / ry);
  cairo_arc(cr, 0, 0, rx, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, theme::kLine);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (int y = box.top - 3; y < box.bottom + 3; ++y) {
    for (int x = box.left - 3; x < box.right + 3; ++x) {
      const Polar p = PolarAt(box, x, y);
      if (p.radius * std::min(rx, ry) > std::min(rx, ry) + kBleed) continue;
      const Rgb color = WheelColorAt(box, x, y);
      c.SetPixel(x, y, {color.r, color.g, color.b, 255});
    }
  }
}

}  // namespace zk40::art
