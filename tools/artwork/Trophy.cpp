#include "Trophy.h"

#include <cmath>

#include "Draw.h"
#include "Theme.h"

namespace zk40::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

void CupPath(cairo_t* cr, double cx, double base_y, double h) {
  const double w = h * 0.62;  // bowl width
  const double bowl_top = base_y - h;
  const double bowl_bottom = base_y - h * 0.45;
  cairo_new_path(cr);
  // Bowl.
  cairo_move_to(cr, cx - w / 2, bowl_top);
  cairo_line_to(cr, cx + w / 2, bowl_top);
  cairo_curve_to(cr, cx + w / 2, bowl_top + h * 0.35, cx + w * 0.22, bowl_bottom, cx + w * 0.07, bowl_bottom + h * 0.02);
  // Stem down to the base.
  cairo_line_to(cr, cx + w * 0.07, base_y - h * 0.2);
  cairo_curve_to(cr, cx + w * 0.1, base_y - h * 0.14, cx + w * 0.26, base_y - h * 0.13, cx + w * 0.28, base_y - h * 0.1);
  cairo_line_to(cr, cx - w * 0.28, base_y - h * 0.1);
  cairo_curve_to(cr, cx - w * 0.26, base_y - h * 0.13, cx - w * 0.1, base_y - h * 0.14, cx - w * 0.07, base_y - h * 0.2);
  cairo_line_to(cr, cx - w * 0.07, bowl_bottom + h * 0.02);
  cairo_curve_to(cr, cx - w * 0.22, bowl_bottom, cx - w / 2, bowl_top + h * 0.35, cx - w / 2, bowl_top);
  cairo_close_path(cr);
  // Plinth.
  RoundedRectPath(cr, cx - w * 0.36, base_y - h * 0.1, w * 0.72, h * 0.1, h * 0.015);
}

void HandlesPath(cairo_t* cr, double cx, double base_y, double h) {
  const double w = h * 0.62;
  const double y = base_y - h * 0.86;
  cairo_new_path(cr);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, cx + side * w * 0.47, y - h * 0.08);
    cairo_curve_to(cr, cx + side * w * 0.78, y - h * 0.1, cx + side * w * 0.78, y + h * 0.2, cx + side * w * 0.3,
                   y + h * 0.28);
  }
}

void Star(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double rr = i % 2 == 0 ? r : r * 0.45;
    const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

}  // namespace

Metal MetalOfLevel(int level) {
  if (level <= 3) return {{246, 196, 150}, {196, 122, 64}, {104, 56, 26}};
  if (level <= 6) return {{246, 248, 252}, {176, 186, 198}, {86, 94, 106}};
  if (level <= 9) return {{255, 236, 140}, {232, 178, 40}, {130, 84, 8}};
  return {{200, 246, 255}, {40, 190, 240}, {0, 84, 128}};
}

void DrawCup(cairo_t* cr, double cx, double base_y, double h, int level) {
  if (level <= 0) {
    CupPath(cr, cx, base_y, h);
    cairo_set_line_width(cr, std::max(1.0, h / 90));
    SetColor(cr, theme::kTextFaint);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_stroke(cr);
    HandlesPath(cr, cx, base_y, h);
    cairo_set_line_width(cr, std::max(1.0, h / 90));
    cairo_stroke(cr);
    return;
  }
  const Metal m = MetalOfLevel(level);
  const double w = h * 0.62;
  HandlesPath(cr, cx, base_y, h);
  SetColor(cr, m.dark);
  cairo_set_line_width(cr, h * 0.07);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColor(cr, m.mid);
  cairo_set_line_width(cr, h * 0.04);
  cairo_stroke(cr);

  CupPath(cr, cx, base_y, h);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - w / 2, 0, cx + w / 2, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, m.dark.r / 255.0, m.dark.g / 255.0, m.dark.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 0.3, m.light.r / 255.0, m.light.g / 255.0, m.light.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 0.55, m.mid.r / 255.0, m.mid.g / 255.0, m.mid.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, m.dark.r / 255.0, m.dark.g / 255.0, m.dark.b / 255.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, m.dark);
  cairo_set_line_width(cr, std::max(1.0, h / 120));
  cairo_stroke(cr);
  // Rim of the bowl.
  SetColor(cr, m.light);
  cairo_rectangle(cr, cx - w / 2, base_y - h, w, std::max(1.0, h * 0.025));
  cairo_fill(cr);
  // The level's stars on the bowl: one to three within the metal's tier.
  const int stars = (level - 1) % 3 + 1;
  for (int i = 0; i < stars; ++i) {
    const double sx = cx + (i - (stars - 1) / 2.0) * h * 0.13;
    Star(cr, sx, base_y - h * 0.78, h * 0.05);
    SetColor(cr, m.dark, 0.85);
    cairo_fill(cr);
  }
}

}  // namespace zk40::art
