// The small pictures: slider thumb, step-list icons, game menu rows, the
// scroll-bar skin, the popup frame, the tray-menu icons and the program icon.

#include <cmath>

#include "Art.h"
#include "Theme.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/ScrollBarSkinLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace ss = layout::scroll_skin;

// Makes every pixel either fully opaque (laid over `under`) or fully
// transparent: the thumb's window region is cut from its picture, and a
// half-transparent edge would show whatever lies under the window.
void HardenAlpha(Canvas& c, Rgb under) {
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Rgba p = c.Pixel(x, y);
      if (p.a < 128) {
        c.SetPixel(x, y, {0, 0, 0, 0});
        continue;
      }
      const auto mix = [&](std::uint8_t v, std::uint8_t u) {
        return static_cast<std::uint8_t>((v * p.a + u * (255 - p.a) + 127) / 255);
      };
      Rgba q{mix(p.r, under.r), mix(p.g, under.g), mix(p.b, under.b), 255};
      // Pure black is the outline's colour of transparency.
      if (q.r == 0 && q.g == 0 && q.b == 0) q.b = 1;
      c.SetPixel(x, y, q);
    }
  }
}

void ScrollCell(cairo_t* cr, int column, int row) {
  const Rect r = ss::CellRect(column, row);
  const bool vertical = column <= ss::kVerticalTrack;
  const int kind = column % 4;  // 0 first arrow, 1 second arrow, 2 thumb, 3 track
  FillRect(cr, r, Rgb{6, 7, 8});
  if (column == ss::kCorner) {
    FillRect(cr, r, Rgb{10, 11, 13});
    return;
  }
  if (kind == 3) {
    // Track: a thin groove along the axis, the same all along so it tiles.
    const Rect groove = vertical ? Rect{r.left + 8, r.top, r.left + 10, r.bottom} : Rect{r.left, r.top + 8, r.right, r.top + 10};
    FillRect(cr, groove, kLineSoft);
    return;
  }
  const Rgb face = row == ss::kPressed ? kAccent : row == ss::kHover ? Rgb{74, 86, 100} : Rgb{44, 51, 60};
  if (kind == 2) {
    // Thumb: rounded within its first and last three pixels, even between,
    // since the bar repeats the middle to any length.
    const Rect body = vertical ? Rect{r.left + 4, r.top, r.right - 4, r.bottom} : Rect{r.left, r.top + 4, r.right, r.bottom - 4};
    FillRoundRect(cr, body, 3, face);
    const Rgb shine = row == ss::kPressed ? kAccentBright : Rgb{96, 110, 126};
    vertical ? VLine(cr, body.left + 1, body.top + 3, body.bottom - 3, shine, 0.6)
             : HLine(cr, body.left + 3, body.right - 3, body.top + 1, shine, 0.6);
    return;
  }
  FillRoundRect(cr, r.Inflate(-2), 3, face);
  const Glyph glyph = vertical ? (kind == 0 ? Glyph::kCaretUp : Glyph::kCaretDown) : Glyph::kCaretDown;
  const Rgb ink = row == ss::kPressed ? Rgb{255, 255, 255} : row == ss::kHover ? Rgb{230, 236, 242} : kText;
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  if (vertical) {
    DrawGlyph(cr, glyph, cx, cy, 7, ink, 1.6);
  } else {
    // Left and right carets: the down caret turned a quarter.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, kind == 0 ? 3.14159265358979 / 2 : -3.14159265358979 / 2);
    DrawGlyph(cr, Glyph::kCaretDown, 0, 0, 7, ink, 1.6);
    cairo_restore(cr);
  }
}

}  // namespace

void PaintSliderThumb(Canvas& c) {
  cairo_t* cr = c.Cr();
  const double w = c.Width(), h = c.Height();
  RoundedRectPath(cr, 0.5, 0.5, w - 1, h - 1, h / 2 - 0.5);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(p, 0, kAccentBright.r / 255.0, kAccentBright.g / 255.0, kAccentBright.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, kAccentDeep.r / 255.0, kAccentDeep.g / 255.0, kAccentDeep.b / 255.0);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Rgb{0, 60, 88});
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  VLine(cr, c.Width() / 2, 2, c.Height() - 2, Rgb{220, 245, 255}, 0.9);
  HardenAlpha(c, kPanel);
}

void PaintStepIcon(Canvas& c, StepIcon icon, bool selected) {
  cairo_t* cr = c.Cr();
  const Rgb key_down = selected ? Rgb{120, 220, 255} : kAccent;
  const Rgb key_up = selected ? Rgb{255, 255, 255} : Rgb{150, 160, 172};
  const Rgb delay = selected ? Rgb{255, 214, 120} : Rgb{230, 170, 50};
  switch (icon) {
    case StepIcon::kKeyDown: DrawGlyph(cr, Glyph::kArrowDown, 8, 8, 12, key_down, 2); break;
    case StepIcon::kKeyUp: DrawGlyph(cr, Glyph::kArrowUp, 8, 8, 12, key_up, 2); break;
    case StepIcon::kDelay: DrawGlyph(cr, Glyph::kClock, 8, 8, 12, delay, 1.6); break;
  }
}

void PaintGameMenuRow(Canvas& c, Look look, bool with_submenu) {
  cairo_t* cr = c.Cr();
  const Rect all{0, 0, c.Width(), c.Height()};
  // The library writes its texts on these rows: dim grey, white when lit.
  if (look == Look::kNormal) {
    FillVerticalGradient(cr, all, Rgb{24, 28, 33}, Rgb{18, 21, 25});
  } else {
    const Rgb lit{21, 140, 185};
    FillVerticalGradient(cr, all, look == Look::kOver ? lit : kAccentDeep,
                         look == Look::kOver ? Rgb{12, 100, 140} : Rgb{0, 62, 90});
    FillRect(cr, {0, 0, 3, c.Height()}, kAccentBright);
  }
  HLine(cr, 0, c.Width(), c.Height() - 1, kWindow);
  if (with_submenu) {
    cairo_save(cr);
    cairo_translate(cr, c.Width() - 12, c.Height() / 2.0);
    cairo_rotate(cr, -3.14159265358979 / 2);
    DrawGlyph(cr, Glyph::kCaretDown, 0, 0, 7, look == Look::kNormal ? kTextMuted : Rgb{255, 255, 255}, 1.6);
    cairo_restore(cr);
  }
}

void PaintScrollBarSkin(Canvas& c) {
  FillRect(c.Cr(), {0, 0, c.Width(), c.Height()}, Rgb{6, 7, 8});
  for (int row = 0; row < ss::kRows; ++row) {
    for (int column = 0; column < ss::kColumns; ++column) ScrollCell(c.Cr(), column, row);
  }
}

void PaintPopupFrame(Canvas& c) {
  cairo_t* cr = c.Cr();
  const double w = c.Width(), h = c.Height();
  // Soft shadow, accent border, light inside for the menu's dark texts.
  for (int i = 0; i < 3; ++i) {
    RoundedRectPath(cr, i, i, w - 2 * i, h - 2 * i, 9 - i);
    SetColor(cr, Rgb{0, 0, 0}, 0.10 + 0.08 * i);
    cairo_fill(cr);
  }
  RoundedRectPath(cr, 2.5, 2.5, w - 5, h - 5, 6.5);
  SetColor(cr, Rgb{240, 243, 246});
  cairo_fill_preserve(cr);
  SetColor(cr, layout::popup::kAccent);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void PaintTrayIcon(Canvas& c, bool exit) {
  cairo_t* cr = c.Cr();
  if (exit) {
    // Power symbol.
    cairo_arc(cr, 8, 8.5, 5.5, -3.14159265358979 / 2 + 0.7, 3 * 3.14159265358979 / 2 - 0.7);
    SetColor(cr, Rgb{214, 48, 48});
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 1.5);
    cairo_line_to(cr, 8, 8);
    cairo_stroke(cr);
    return;
  }
  // Gear.
  cairo_new_path(cr);
  for (int i = 0; i < 16; ++i) {
    const double a = i * 3.14159265358979 / 8;
    const double r = i % 2 == 0 ? 7.4 : 5.6;
    const double a0 = a - 0.16, a1 = a + 0.16;
    if (i == 0) cairo_move_to(cr, 8 + r * std::cos(a0), 8 + r * std::sin(a0));
    cairo_line_to(cr, 8 + r * std::cos(a0), 8 + r * std::sin(a0));
    cairo_line_to(cr, 8 + r * std::cos(a1), 8 + r * std::sin(a1));
  }
  cairo_close_path(cr);
  SetColor(cr, kAccentDeep);
  cairo_fill(cr);
  CirclePath(cr, 8, 8, 2.3);
  SetColor(cr, Rgb{255, 255, 255});
  cairo_fill(cr);
}

void PaintApplicationIcon(Canvas& c) {
  BrandMark(c.Cr(), c.Width() / 2.0, c.Height() / 2.0, c.Width() * 0.48);
}

}  // namespace zk40::art
