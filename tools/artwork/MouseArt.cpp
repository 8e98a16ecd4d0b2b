#include "MouseArt.h"

#include "Theme.h"

namespace zk40::art {
namespace {

using namespace theme;

void BodyPath(cairo_t* cr, const MouseShape& m) {
  const double h = m.bottom - m.top;
  const double x0 = m.cx - m.half, x1 = m.cx + m.half;
  cairo_new_path(cr);
  cairo_move_to(cr, m.cx, m.top);
  cairo_curve_to(cr, m.cx + m.half * 0.55, m.top, x1 - 4, m.top + h * 0.12, x1, m.top + h * 0.32);
  cairo_curve_to(cr, x1 + 3, m.top + h * 0.55, x1 + 2, m.top + h * 0.75, x1 - m.half * 0.18, m.top + h * 0.88);
  cairo_curve_to(cr, m.cx + m.half * 0.6, m.bottom, m.cx + m.half * 0.3, m.bottom, m.cx, m.bottom);
  cairo_curve_to(cr, m.cx - m.half * 0.3, m.bottom, m.cx - m.half * 0.6, m.bottom, x0 + m.half * 0.18,
                 m.top + h * 0.88);
  cairo_curve_to(cr, x0 - 2, m.top + h * 0.75, x0 - 3, m.top + h * 0.55, x0, m.top + h * 0.32);
  cairo_curve_to(cr, x0 + 4, m.top + h * 0.12, m.cx - m.half * 0.55, m.top, m.cx, m.top);
  cairo_close_path(cr);
}

}  // namespace

void DrawMouse(cairo_t* cr, const MouseShape& m, bool glow) {
  const double h = m.bottom - m.top;
  if (glow) {
    cairo_pattern_t* g = cairo_pattern_create_radial(m.cx, m.top + h * 0.45, 0, m.cx, m.top + h * 0.45, h * 0.75);
    cairo_pattern_add_color_stop_rgba(g, 0, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0.16);
    cairo_pattern_add_color_stop_rgba(g, 1, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, m.cx, m.top + h * 0.45, h * 0.75, 0, 6.2832);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Body.
  BodyPath(cr, m);
  cairo_pattern_t* p = cairo_pattern_create_linear(m.cx - m.half, m.top, m.cx + m.half, m.bottom);
  cairo_pattern_add_color_stop_rgb(p, 0, 44 / 255.0, 51 / 255.0, 60 / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 0.55, 22 / 255.0, 26 / 255.0, 31 / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 12 / 255.0, 14 / 255.0, 17 / 255.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Rgb{78, 90, 104});
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  cairo_save(cr);
  BodyPath(cr, m);
  cairo_clip(cr);
  // Button split: the centre groove and the curved lower edge of the buttons.
  SetColor(cr, kInset);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, m.cx, m.top);
  cairo_line_to(cr, m.cx, m.split);
  cairo_stroke(cr);
  cairo_move_to(cr, m.cx - m.half - 4, m.split + 4);
  cairo_curve_to(cr, m.cx - m.half * 0.4, m.split + 14, m.cx + m.half * 0.4, m.split + 14, m.cx + m.half + 4, m.split + 4);
  cairo_stroke(cr);
  // Accent light strip along the lower edge of the buttons.
  SetColor(cr, kAccent, 0.55);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, m.cx - m.half - 4, m.split + 7);
  cairo_curve_to(cr, m.cx - m.half * 0.4, m.split + 17, m.cx + m.half * 0.4, m.split + 17, m.cx + m.half + 4, m.split + 7);
  cairo_stroke(cr);
  // Palm logo.
  SetColor(cr, kAccent, 0.75);
  const double ly = m.top + h * 0.72, ls = m.half * 0.16;
  cairo_move_to(cr, m.cx - ls, ly - ls * 0.7);
  cairo_line_to(cr, m.cx + ls, ly - ls * 0.7);
  cairo_line_to(cr, m.cx - ls, ly + ls * 0.7);
  cairo_line_to(cr, m.cx + ls, ly + ls * 0.7);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);

  // Wheel.
  const double ww = m.half * 0.26, wt = m.top + h * 0.08, wb = m.split - 10;
  FillRoundRect(cr, {static_cast<int>(m.cx - ww / 2), static_cast<int>(wt), static_cast<int>(m.cx + ww / 2),
                     static_cast<int>(wb)},
                ww / 2, kInset);
  const double iw = ww - 6;
  cairo_pattern_t* wp = cairo_pattern_create_linear(m.cx - iw / 2, 0, m.cx + iw / 2, 0);
  cairo_pattern_add_color_stop_rgb(wp, 0, 30 / 255.0, 35 / 255.0, 41 / 255.0);
  cairo_pattern_add_color_stop_rgb(wp, 0.5, 70 / 255.0, 80 / 255.0, 92 / 255.0);
  cairo_pattern_add_color_stop_rgb(wp, 1, 30 / 255.0, 35 / 255.0, 41 / 255.0);
  cairo_set_source(cr, wp);
  RoundedRectPath(cr, m.cx - iw / 2, wt + 3, iw, wb - wt - 6, iw / 2);
  cairo_fill(cr);
  cairo_pattern_destroy(wp);
  for (double y = wt + 7; y < wb - 6; y += 4) HLine(cr, static_cast<int>(m.cx - iw / 2 + 1),
                                                   static_cast<int>(m.cx + iw / 2 - 1), static_cast<int>(y), kInset, 0.6);
}

}  // namespace zk40::art
