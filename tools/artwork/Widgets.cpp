#include "Widgets.h"

#include <algorithm>
#include <cmath>

#include "Theme.h"

namespace zk40::art {
namespace {

using namespace theme;

constexpr double kPi = 3.14159265358979323846;

void Stroke(cairo_t* cr, Rgb c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  const auto m = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

}  // namespace

void DrawGlyph(cairo_t* cr, Glyph glyph, double cx, double cy, double s, Rgb color, double lw) {
  const double h = s / 2;
  cairo_new_path(cr);
  switch (glyph) {
    case Glyph::kPlus:
      cairo_move_to(cr, cx - h, cy);
      cairo_line_to(cr, cx + h, cy);
      cairo_move_to(cr, cx, cy - h);
      cairo_line_to(cr, cx, cy + h);
      Stroke(cr, color, lw);
      break;
    case Glyph::kMinus:
    case Glyph::kMinimize:
      cairo_move_to(cr, cx - h, cy);
      cairo_line_to(cr, cx + h, cy);
      Stroke(cr, color, lw);
      break;
    case Glyph::kCross:
      cairo_move_to(cr, cx - h, cy - h);
      cairo_line_to(cr, cx + h, cy + h);
      cairo_move_to(cr, cx + h, cy - h);
      cairo_line_to(cr, cx - h, cy + h);
      Stroke(cr, color, lw);
      break;
    case Glyph::kPencil:
      cairo_move_to(cr, cx - h, cy + h);
      cairo_line_to(cr, cx - h + s * 0.1, cy + h - s * 0.32);
      cairo_line_to(cr, cx + h - s * 0.25, cy - h);
      cairo_line_to(cr, cx + h, cy - h + s * 0.25);
      cairo_line_to(cr, cx - h + s * 0.32, cy + h - s * 0.1);
      cairo_close_path(cr);
      Stroke(cr, color, lw * 0.9);
      break;
    case Glyph::kTrash:
      cairo_move_to(cr, cx - h, cy - h + s * 0.2);
      cairo_line_to(cr, cx + h, cy - h + s * 0.2);
      cairo_move_to(cr, cx - s * 0.15, cy - h);
      cairo_line_to(cr, cx + s * 0.15, cy - h);
      cairo_move_to(cr, cx - h + s * 0.12, cy - h + s * 0.2);
      cairo_line_to(cr, cx - h + s * 0.2, cy + h);
      cairo_line_to(cr, cx + h - s * 0.2, cy + h);
      cairo_line_to(cr, cx + h - s * 0.12, cy - h + s * 0.2);
      Stroke(cr, color, lw * 0.9);
      break;
    case Glyph::kToTray:
      cairo_move_to(cr, cx - h, cy + h * 0.2);
      cairo_line_to(cr, cx - h, cy + h);
      cairo_line_to(cr, cx + h, cy + h);
      cairo_line_to(cr, cx + h, cy + h * 0.2);
      cairo_move_to(cr, cx, cy - h);
      cairo_line_to(cr, cx, cy + h * 0.35);
      cairo_move_to(cr, cx - h * 0.45, cy - h * 0.1);
      cairo_line_to(cr, cx, cy + h * 0.35);
      cairo_line_to(cr, cx + h * 0.45, cy - h * 0.1);
      Stroke(cr, color, lw);
      break;
    case Glyph::kGlobe:
      CirclePath(cr, cx, cy, h);
      cairo_move_to(cr, cx - h, cy);
      cairo_line_to(cr, cx + h, cy);
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, 0.45, 1);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 0, 0, h, 0, 2 * kPi);
      cairo_restore(cr);
      Stroke(cr, color, lw * 0.8);
      break;
    case Glyph::kCaretDown:
      cairo_move_to(cr, cx - h, cy - h * 0.5);
      cairo_line_to(cr, cx, cy + h * 0.5);
      cairo_line_to(cr, cx + h, cy - h * 0.5);
      Stroke(cr, color, lw);
      break;
    case Glyph::kCaretUp:
      cairo_move_to(cr, cx - h, cy + h * 0.5);
      cairo_line_to(cr, cx, cy - h * 0.5);
      cairo_line_to(cr, cx + h, cy + h * 0.5);
      Stroke(cr, color, lw);
      break;
    case Glyph::kCheck:
      cairo_move_to(cr, cx - h, cy);
      cairo_line_to(cr, cx - h * 0.25, cy + h * 0.7);
      cairo_line_to(cr, cx + h, cy - h * 0.7);
      Stroke(cr, color, lw);
      break;
    case Glyph::kRecord:
      SetColor(cr, color);
      CirclePath(cr, cx, cy, h);
      cairo_fill(cr);
      break;
    case Glyph::kArrowUp:
    case Glyph::kArrowDown: {
      const double d = glyph == Glyph::kArrowUp ? -1 : 1;
      cairo_move_to(cr, cx, cy - d * h);
      cairo_line_to(cr, cx, cy + d * h);
      cairo_move_to(cr, cx - h * 0.6, cy + d * h * 0.35);
      cairo_line_to(cr, cx, cy + d * h);
      cairo_line_to(cr, cx + h * 0.6, cy + d * h * 0.35);
      Stroke(cr, color, lw);
      break;
    }
    case Glyph::kClock:
      CirclePath(cr, cx, cy, h);
      cairo_move_to(cr, cx, cy - h * 0.55);
      cairo_line_to(cr, cx, cy);
      cairo_line_to(cr, cx + h * 0.45, cy + h * 0.3);
      Stroke(cr, color, lw);
      break;
    case Glyph::kInfo:
    case Glyph::kWarning:
      CirclePath(cr, cx, cy, h);
      Stroke(cr, color, lw);
      if (glyph == Glyph::kInfo) {
        cairo_move_to(cr, cx, cy - h * 0.05);
        cairo_line_to(cr, cx, cy + h * 0.5);
        Stroke(cr, color, lw * 1.2);
        SetColor(cr, color);
        CirclePath(cr, cx, cy - h * 0.42, lw * 0.75);
        cairo_fill(cr);
      } else {
        cairo_move_to(cr, cx, cy - h * 0.5);
        cairo_line_to(cr, cx, cy + h * 0.1);
        Stroke(cr, color, lw * 1.2);
        SetColor(cr, color);
        CirclePath(cr, cx, cy + h * 0.45, lw * 0.75);
        cairo_fill(cr);
      }
      break;
  }
}

void BrandMark(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    const double a = (60.0 * i - 90.0) * 3.14159265358979 / 180.0;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(p, 0, kAccentBright.r / 255.0, kAccentBright.g / 255.0, kAccentBright.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, kAccentDeep.r / 255.0, kAccentDeep.g / 255.0, kAccentDeep.b / 255.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double s = r * 0.5;
  cairo_move_to(cr, cx - s, cy - s * 0.75);
  cairo_line_to(cr, cx + s, cy - s * 0.75);
  cairo_line_to(cr, cx - s, cy + s * 0.75);
  cairo_line_to(cr, cx + s, cy + s * 0.75);
  SetColor(cr, kWindow);
  cairo_set_line_width(cr, r * 0.22);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_stroke(cr);
}

void PageGround(cairo_t* cr, Rect r) {
  FillVerticalGradient(cr, r, kPanel, Mix(kPanel, kWindow, 0.6));
}

void SectionTitle(cairo_t* cr, Rect r, const std::string& text, Look look, int line_right, bool chinese) {
  const Rgb title = look == Look::kNormal ? kTextStrong : Rgb{255, 255, 255};
  const Rgb bar = look == Look::kDown ? kAccentBright : kAccent;
  const int mid = (r.top + r.bottom) / 2;
  FillRect(cr, {r.left, mid - 6, r.left + 3, mid + 7}, bar);
  if (look != Look::kNormal) {
    // A soft glow behind the title while the cursor is on it.
    cairo_pattern_t* p = cairo_pattern_create_linear(r.left, 0, r.right, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0,
                                      look == Look::kDown ? 0.30 : 0.18);
    cairo_pattern_add_color_stop_rgba(p, 1, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, r.left + 3, mid - 9, r.Width() - 3, 19);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  TextStyle style{13, 700, title, Align::kLeft, chinese ? 0.5 : 1.2, !chinese};
  const Rect text_box{r.left + 11, r.top, r.right, r.bottom};
  DrawText(cr, text_box, text, style);
  const int end = r.left + 11 + std::min(TextWidth(cr, text, style), text_box.Width()) + 12;
  if (line_right > end) HLine(cr, end, line_right, mid, kLine);
}

void SectionTitleArea(cairo_t* cr, Rect area, const std::string& text, Look look, int line_right, bool chinese) {
  {
    ClipScope clip(cr, area);
    SectionTitle(cr, area, text, look, line_right, chinese);
  }
  if (line_right > area.right) HLine(cr, area.right, line_right, (area.top + area.bottom) / 2, kLine);
}

void Label(cairo_t* cr, Rect r, const std::string& text, Rgb color, double size, Align align) {
  DrawText(cr, r, text, TextStyle{size, 400, color, align});
}

void ButtonFace(cairo_t* cr, Rect r, Look look, ButtonKind kind) {
  const double radius = 3;
  Rgb top = kRaised, bottom = Mix(kRaised, kPanel, 0.5), border = kLine, shine = kHighlight;
  if (kind == ButtonKind::kPrimary) {
    top = kAccent;
    bottom = kAccentDeep;
    border = Mix(kAccentDeep, kWindow, 0.3);
    shine = kAccentBright;
  }
  if (look == Look::kOver) {
    top = kind == ButtonKind::kPrimary ? kAccentBright : kRaisedHover;
    bottom = kind == ButtonKind::kPrimary ? kAccent : Mix(kRaisedHover, kPanel, 0.4);
    border = kind == ButtonKind::kPrimary ? kAccentBright : Mix(kAccent, kLine, 0.35);
    shine = kind == ButtonKind::kPrimary ? Rgb{150, 225, 255} : Mix(kHighlight, kAccentBright, 0.3);
  } else if (look == Look::kDown) {
    // Pressed buttons light up: the pressed caption colour is a dark brown.
    top = kAccentBright;
    bottom = kAccent;
    border = kAccentBright;
    shine = Rgb{170, 232, 255};
  }
  if (kind == ButtonKind::kDanger && look == Look::kNormal) border = Rgb{110, 52, 52};
  cairo_pattern_t* p = cairo_pattern_create_linear(0, r.top, 0, r.bottom);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  cairo_set_source(cr, p);
  RoundedRectPath(cr, r.left, r.top, r.Width(), r.Height(), radius);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  StrokeRoundRect(cr, r, radius, border);
  HLine(cr, r.left + 3, r.right - 3, r.top + 1, shine, look == Look::kDown ? 0.9 : 0.7);
}

void TextButton(cairo_t* cr, Rect r, Look look, const std::string& text, ButtonKind kind) {
  ButtonFace(cr, r, look, kind);
  const Rgb color = look == Look::kDown ? Rgb{8, 24, 32} : look == Look::kOver ? Rgb{255, 255, 255} : kTextStrong;
  DrawText(cr, r.Inflate(-4), text, TextStyle{12, 500, color, Align::kCenter});
}

void IconButton(cairo_t* cr, Rect r, Look look, Glyph glyph) {
  ButtonFace(cr, r, look);
  const Rgb color = look == Look::kDown ? Rgb{8, 24, 32} : look == Look::kOver ? Rgb{255, 255, 255} : kText;
  const double size = std::min(r.Width(), r.Height()) * 0.42;
  DrawGlyph(cr, glyph, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, size, color);
}

void CheckMark(cairo_t* cr, Rect r, Look look) {
  const int side = std::min({12, r.Height(), r.Width()});
  const int x = r.left + (r.Width() - side) / 2;
  const int y = r.top + (r.Height() - side) / 2;
  const Rect box{x, y, x + side, y + side};
  if (look == Look::kDown) {
    FillRoundRect(cr, box, 2.5, kAccent);
    StrokeRoundRect(cr, box, 2.5, kAccentBright);
    DrawGlyph(cr, Glyph::kCheck, x + side / 2.0, y + side / 2.0, side * 0.6, Rgb{255, 255, 255}, 1.7);
  } else {
    FillRoundRect(cr, box, 2.5, kInset);
    StrokeRoundRect(cr, box, 2.5, look == Look::kOver ? kAccent : Mix(kLine, kHighlight, 0.5));
  }
}

void CheckBox(cairo_t* cr, Rect r, Look look, const std::string& label, double text_size) {
  const int side = std::min(12, r.Height());
  CheckMark(cr, {r.left, r.top, r.left + side, r.bottom}, look);
  const Rgb color = look == Look::kNormal ? kText : look == Look::kOver ? Rgb{255, 255, 255} : kTextStrong;
  DrawText(cr, {r.left + side + 6, r.top, r.right, r.bottom}, label, TextStyle{text_size, 400, color});
}

void OptionButton(cairo_t* cr, Rect r, Look look, const std::string& label, double text_size) {
  const double side = std::min(12, r.Height());
  const double cx = r.left + side / 2.0;
  const double cy = r.top + r.Height() / 2.0;
  SetColor(cr, look == Look::kDown ? kAccentShadow : kInset);
  CirclePath(cr, cx, cy, side / 2.0 - 0.5);
  cairo_fill_preserve(cr);
  SetColor(cr, look == Look::kNormal ? Mix(kLine, kHighlight, 0.5) : look == Look::kOver ? kAccent : kAccentBright);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (look == Look::kDown) {
    SetColor(cr, kAccentBright);
    CirclePath(cr, cx, cy, side / 2.0 - 3.2);
    cairo_fill(cr);
  }
  const Rgb color = look == Look::kNormal ? kText : look == Look::kOver ? Rgb{255, 255, 255} : kTextStrong;
  DrawText(cr, {static_cast<int>(r.left + side + 6), r.top, r.right, r.bottom}, label, TextStyle{text_size, 400, color});
}

void SliderGroove(cairo_t* cr, Rect bar, int thumb_height, int ticks) {
  const int cy = bar.bottom - thumb_height / 2;
  const Rect groove{bar.left + 1, cy - 2, bar.right - 1, cy + 2};
  FillRoundRect(cr, groove, 2, Rgb{4, 5, 6});
  StrokeRoundRect(cr, groove, 2, Rgb{58, 67, 78});
  HLine(cr, groove.left + 2, groove.right - 2, groove.bottom, kHighlight, 0.35);
  for (int i = 0; ticks > 1 && i < ticks; ++i) {
    const int x = bar.left + thumb_height + (bar.Width() - 2 * thumb_height) * i / (ticks - 1);
    VLine(cr, x, cy - 1, cy + 1, kAccent, 0.5);
  }
}

void ColorRampGroove(cairo_t* cr, Rect bar, int thumb_height, Rgb from, Rgb to) {
  const int cy = bar.bottom - thumb_height / 2;
  const Rect groove{bar.left + 1, cy - 2, bar.right - 1, cy + 2};
  cairo_pattern_t* p = cairo_pattern_create_linear(groove.left, 0, groove.right, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, from.r / 255.0, from.g / 255.0, from.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, to.r / 255.0, to.g / 255.0, to.b / 255.0);
  cairo_set_source(cr, p);
  RoundedRectPath(cr, groove.left, groove.top, groove.Width(), groove.Height(), 2);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  StrokeRoundRect(cr, groove, 2, kLine, 0.8);
}

void Field(cairo_t* cr, Rect r, bool light) {
  if (light) {
    FillRoundRect(cr, r, 2, kFieldLight);
    StrokeRoundRect(cr, r, 2, Rgb{150, 160, 170});
    HLine(cr, r.left + 2, r.right - 2, r.top + 1, Rgb{190, 197, 204});
  } else {
    FillRoundRect(cr, r, 2, Rgb{15, 15, 15});
    StrokeRoundRect(cr, r, 2, kLine);
  }
}

void QuadButton(cairo_t* cr, const Quad& q, Look look, const std::string& text, ButtonKind kind, double text_size) {
  const Rect box = q.Bounds();
  Rgb top = Mix(kRaised, kPanel, 0.2), bottom = kPanel, edge = kLine, text_color = kText;
  if (kind == ButtonKind::kPrimary) {
    top = kAccent;
    bottom = kAccentDeep;
    edge = kAccent;
    text_color = Rgb{255, 255, 255};
  }
  if (look == Look::kOver) {
    top = kind == ButtonKind::kPrimary ? kAccentBright : kRaisedHover;
    bottom = kind == ButtonKind::kPrimary ? kAccent : kRaised;
    edge = kind == ButtonKind::kPrimary ? kAccentBright : Mix(kAccent, kLine, 0.4);
    text_color = Rgb{255, 255, 255};
  } else if (look == Look::kDown) {
    top = kind == ButtonKind::kPrimary ? kAccentDeep : Rgb{0, 62, 90};
    bottom = kind == ButtonKind::kPrimary ? Rgb{0, 60, 88} : Rgb{0, 30, 45};
    edge = kAccent;
    text_color = Rgb{255, 255, 255};
  }
  {
    ClipScope clip(cr, q);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, box.top, 0, box.bottom);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    // Edges drawn inside the polygon, so the window region keeps all of them.
    QuadPath(cr, q);
    SetColor(cr, edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    HLine(cr, box.left, box.right, box.top + 1, look == Look::kNormal ? kHighlight : kAccentBright,
          look == Look::kNormal ? 0.5 : 0.8);
    if (look == Look::kDown) FillRect(cr, {box.left, box.bottom - 3, box.right, box.bottom}, kAccentBright);
  }
  double cx = 0, cy = 0;
  for (const Point& p : q.points) {
    cx += p.x / 4.0;
    cy += p.y / 4.0;
  }
  const int half = box.Width() / 2 - 6;
  const Rect text_box{static_cast<int>(cx) - half, box.top, static_cast<int>(cx) + half,
                      box.bottom - (look == Look::kDown ? 2 : 0)};
  DrawText(cr, text_box, text, TextStyle{text_size, look == Look::kDown ? 700 : 500, text_color, Align::kCenter});
}

void Card(cairo_t* cr, Rect r, Rgb fill) {
  FillRoundRect(cr, r, 4, fill);
  StrokeRoundRect(cr, r, 4, kLineSoft);
  HLine(cr, r.left + 4, r.right - 4, r.top + 1, kHighlight, 0.35);
}

}  // namespace zk40::art
