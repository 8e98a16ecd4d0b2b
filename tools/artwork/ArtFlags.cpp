// The twelve language flags, drawn from simple shapes so that they read at
// 37 x 22 and at 19 x 11: Chinese, English, French, Korean, German, Italian,
// Spanish, Dutch, Portuguese, Russian, Ukrainian, Traditional Chinese.

#include <cmath>

#include "Art.h"
#include "Draw.h"

namespace zk40::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Flag {
  cairo_t* cr;
  double w;
  double h;

  void Rect(double x0, double y0, double x1, double y1, Rgb c) const {
    SetColor(cr, c);
    cairo_rectangle(cr, x0 * w, y0 * h, (x1 - x0) * w, (y1 - y0) * h);
    cairo_fill(cr);
  }
  void Stripes(bool vertical, std::initializer_list<Rgb> colors) const {
    const double n = static_cast<double>(colors.size());
    int i = 0;
    for (Rgb c : colors) {
      vertical ? Rect(i / n, 0, (i + 1) / n, 1, c) : Rect(0, i / n, 1, (i + 1) / n, c);
      ++i;
    }
  }
  void Star(double cx, double cy, double r, double turn, Rgb c) const {
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
      const double a = -kPi / 2 + turn + i * kPi / 5;
      const double rr = i % 2 == 0 ? r : r * 0.382;
      const double x = cx * w + rr * h * std::cos(a), y = cy * h + rr * h * std::sin(a);
      i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
  }
  void Line(double x0, double y0, double x1, double y1, double width, Rgb c) const {
    cairo_move_to(cr, x0 * w, y0 * h);
    cairo_line_to(cr, x1 * w, y1 * h);
    cairo_set_line_width(cr, width * h);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    SetColor(cr, c);
    cairo_stroke(cr);
  }
};

void China(const Flag& f) {
  const Rgb red{222, 41, 16}, gold{255, 222, 0};
  f.Rect(0, 0, 1, 1, red);
  f.Star(5.0 / 30, 5.0 / 20, 0.15, 0, gold);
  const double small[][2] = {{10, 2}, {12, 4}, {12, 7}, {10, 9}};
  for (const auto& s : small) {
    const double turn = std::atan2(5 - s[1], 5 - s[0]) + kPi / 2;
    f.Star(s[0] / 30, s[1] / 20, 0.05, turn, gold);
  }
}

void UnitedKingdom(const Flag& f) {
  const Rgb blue{1, 33, 105}, red{200, 16, 46}, white{255, 255, 255};
  f.Rect(0, 0, 1, 1, blue);
  f.Line(0, 0, 1, 1, 0.2, white);
  f.Line(1, 0, 0, 1, 0.2, white);
  f.Line(0, 0, 1, 1, 0.07, red);
  f.Line(1, 0, 0, 1, 0.07, red);
  f.Rect(0, 0.34, 1, 0.66, white);
  f.Rect(0.5 - 0.2 * f.h / f.w, 0, 0.5 + 0.2 * f.h / f.w, 1, white);
  f.Rect(0, 0.4, 1, 0.6, red);
  f.Rect(0.5 - 0.11 * f.h / f.w, 0, 0.5 + 0.11 * f.h / f.w, 1, red);
}

void Korea(const Flag& f) {
  const Rgb red{205, 46, 58}, blue{0, 71, 160}, black{20, 20, 20};
  f.Rect(0, 0, 1, 1, Rgb{255, 255, 255});
  cairo_t* cr = f.cr;
  const double cx = f.w / 2, cy = f.h / 2, r = f.h * 0.26;
  // Taegeuk: red above, blue below, with the two small half circles.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, std::atan2(2.0, 3.0));
  cairo_arc(cr, 0, 0, r, kPi, 2 * kPi);
  SetColor(cr, red);
  cairo_fill(cr);
  cairo_arc(cr, 0, 0, r, 0, kPi);
  SetColor(cr, blue);
  cairo_fill(cr);
  cairo_arc(cr, -r / 2, 0, r / 2, 0, 2 * kPi);
  SetColor(cr, red);
  cairo_fill(cr);
  cairo_arc(cr, r / 2, 0, r / 2, 0, 2 * kPi);
  SetColor(cr, blue);
  cairo_fill(cr);
  cairo_restore(cr);
  // Trigrams: three bars in each corner, along the diagonals.
  const double corners[][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  for (const auto& c : corners) {
    cairo_save(cr);
    cairo_translate(cr, cx + c[0] * f.w * 0.3, cy + c[1] * f.h * 0.3);
    cairo_rotate(cr, std::atan2(c[1] * f.h * 0.3, c[0] * f.w * 0.3) + kPi / 2);
    SetColor(cr, black);
    for (int i = -1; i <= 1; ++i) cairo_rectangle(cr, -f.h * 0.1, i * f.h * 0.05 - f.h * 0.018, f.h * 0.2, f.h * 0.036);
    cairo_fill(cr);
    cairo_restore(cr);
  }
}

void Spain(const Flag& f) {
  const Rgb red{170, 21, 27}, yellow{241, 191, 0};
  f.Stripes(false, {red, yellow, yellow, red});
  // The arms, reduced to a small shield with its crown.
  f.Rect(0.24, 0.36, 0.36, 0.66, Rgb{173, 21, 25});
  f.Rect(0.26, 0.39, 0.34, 0.63, Rgb{220, 180, 80});
  f.Rect(0.25, 0.3, 0.35, 0.36, Rgb{190, 140, 40});
}

void Portugal(const Flag& f) {
  const Rgb green{0, 102, 0}, red{255, 0, 0}, yellow{255, 221, 0};
  f.Rect(0, 0, 0.4, 1, green);
  f.Rect(0.4, 0, 1, 1, red);
  cairo_t* cr = f.cr;
  cairo_arc(cr, 0.4 * f.w, 0.5 * f.h, f.h * 0.27, 0, 2 * kPi);
  SetColor(cr, yellow);
  cairo_set_line_width(cr, f.h * 0.08);
  cairo_stroke(cr);
  f.Rect(0.4 - 0.12 * f.h / f.w, 0.36, 0.4 + 0.12 * f.h / f.w, 0.66, Rgb{255, 255, 255});
  f.Rect(0.4 - 0.07 * f.h / f.w, 0.41, 0.4 + 0.07 * f.h / f.w, 0.6, Rgb{0, 40, 140});
}

void Taiwan(const Flag& f) {
  const Rgb red{254, 0, 0}, blue{0, 0, 149}, white{255, 255, 255};
  f.Rect(0, 0, 1, 1, red);
  f.Rect(0, 0, 0.5, 0.5, blue);
  cairo_t* cr = f.cr;
  const double cx = 0.25 * f.w, cy = 0.25 * f.h, r = f.h * 0.19;
  cairo_new_path(cr);
  for (int i = 0; i < 24; ++i) {
    const double a = -kPi / 2 + i * kPi / 12;
    const double rr = i % 2 == 0 ? r : r * 0.62;
    const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  SetColor(cr, white);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * kPi);
  SetColor(cr, blue);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.4, 0, 2 * kPi);
  SetColor(cr, white);
  cairo_fill(cr);
}

}  // namespace

void PaintFlag(Canvas& c, int language) {
  const Flag f{c.Cr(), static_cast<double>(c.Width()), static_cast<double>(c.Height())};
  const Rgb white{255, 255, 255};
  switch (language) {
    case 1: China(f); break;
    case 2: UnitedKingdom(f); break;
    case 3: f.Stripes(true, {{0, 35, 149}, white, {237, 41, 57}}); break;
    case 4: Korea(f); break;
    case 5: f.Stripes(false, {{20, 20, 20}, {221, 0, 0}, {255, 206, 0}}); break;
    case 6: f.Stripes(true, {{0, 146, 70}, white, {206, 43, 55}}); break;
    case 7: Spain(f); break;
    case 8: f.Stripes(false, {{174, 28, 40}, white, {33, 70, 139}}); break;
    case 9: Portugal(f); break;
    case 10: f.Stripes(false, {white, {0, 57, 166}, {213, 43, 30}}); break;
    case 11: f.Stripes(false, {{0, 87, 183}, {255, 215, 0}}); break;
    default: Taiwan(f); break;
  }
  // A faint edge so that light flags stand out on light menus.
  StrokeRect(c.Cr(), {0, 0, c.Width(), c.Height()}, Rgb{0, 0, 0}, 0.25);
}

}  // namespace zk40::art
