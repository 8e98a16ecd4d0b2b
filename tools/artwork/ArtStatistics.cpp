// The statistics page (counts, trophy progress, trophy cabinet) and the large
// trophy pictures of levels 0..12.

#include <cmath>
#include <string>

#include "Art.h"
#include "Theme.h"
#include "Trophy.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/StatisticsPageLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace sp = layout::statistics_page;

constexpr double kPi = 3.14159265358979323846;

void ValueRow(cairo_t* cr, int index, const std::string& label, bool zh, bool total) {
  const Rect box = sp::ValueBox(index, zh);
  const Rect well{box.left - 8, box.top, box.right + 8, box.bottom};
  FillRoundRect(cr, well, 3, total ? kAccentShadow : kInset);
  StrokeRoundRect(cr, well, 3, total ? kAccentDeep : kLineSoft);
  Label(cr, {32, box.top, well.left - 8, box.bottom}, label, total ? kTextStrong : kText, 12);
}

// The spotlight behind the large trophy, drawn the same on the page and in
// the trophy pictures so that they meet without a seam.
void Spotlight(cairo_t* cr, double cx, double cy, double radius, double strength) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, strength);
  cairo_pattern_add_color_stop_rgba(g, 1, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void TrophyIcon(cairo_t* cr, int index, Look look) {
  const Rect r = sp::TrophyIcon(index);
  const int level = index;
  const bool lit = look == Look::kDown;
  FillRoundRect(cr, r, 4, lit ? Rgb{16, 30, 40} : kInset);
  StrokeRoundRect(cr, r, 4, lit ? kAccentDeep : look == Look::kOver ? kLine : kLineSoft);
  const double cx = (r.left + r.right) / 2.0;
  if (lit) {
    DrawCup(cr, cx, r.top + 34, 26, level == 0 ? 1 : level);
  } else {
    DrawCup(cr, cx, r.top + 34, 26, 0);
  }
  DrawText(cr, {r.left, r.top + 35, r.right, r.bottom - 2}, std::to_string(level),
           TextStyle{10, 700, lit ? kTextStrong : kTextFaint, Align::kCenter});
}

}  // namespace

void PaintStatisticsPage(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  const bool zh = w.Chinese();
  PageGround(cr, {0, 0, c.Width(), c.Height()});

  // Counts.
  Card(cr, {12, 14, 300, 440}, kCard);
  SectionTitle(cr, {24, 52, 290, 76}, w["clicks"], Look::kNormal, 288, zh);
  ValueRow(cr, 0, w["left_clicks"], zh, false);
  ValueRow(cr, 1, w["middle_clicks"], zh, false);
  ValueRow(cr, 2, w["right_clicks"], zh, false);
  ValueRow(cr, 3, w["total"], zh, true);
  SectionTitle(cr, {24, 218, 290, 242}, w["wheel_stats"], Look::kNormal, 288, zh);
  ValueRow(cr, 4, w["wheel_up"], zh, false);
  ValueRow(cr, 5, w["wheel_down"], zh, false);
  ValueRow(cr, 6, w["total"], zh, true);
  SectionTitle(cr, {24, 352, 290, 376}, w["travel"], Look::kNormal, 288, zh);
  ValueRow(cr, 7, w["distance"], zh, false);

  // The large trophy's stage; the trophy pictures repeat it.
  {
    ClipScope clip(cr, sp::kTrophyPicture);
    Spotlight(cr, (sp::kTrophyPicture.left + sp::kTrophyPicture.right) / 2.0, 190, 190, 0.10);
  }

  // Progress strip and trophy cabinet.
  Card(cr, {619, 14, 913, 440}, kCard);
  SectionTitle(cr, {631, 30, 904, 52}, w["progress"], Look::kNormal, 904, zh);
  const Rect strip{sp::kStripOrigin.x, sp::kStripOrigin.y, sp::kStripOrigin.x + sp::kStripFullWidth,
                   sp::kStripOrigin.y + sp::kStripHeight};
  for (int i = 0; i < sp::kTrophyLevelCount; ++i) {
    const Rect seg{strip.left + sp::StripWidth(i - 1) + (i == 0 ? 0 : 1), strip.top, strip.left + sp::StripWidth(i) - 1,
                   strip.bottom};
    if (look == Look::kDown) {
      FillVerticalGradient(cr, seg, kAccentBright, kAccentDeep);
      HLine(cr, seg.left, seg.right, seg.top, Rgb{170, 232, 255}, 0.8);
    } else {
      FillRect(cr, seg, kInset);
      StrokeRect(cr, seg, kLineSoft);
    }
  }
  SectionTitle(cr, {631, 98, 904, 120}, w["trophies"], Look::kNormal, 904, zh);
  for (int i = 0; i < sp::kTrophyLevelCount; ++i) {
    ClipScope clip(cr, sp::TrophyIcon(i));
    TrophyIcon(cr, i, look);
  }
  {
    ClipScope clip(cr, sp::kResetButton);
    TextButton(cr, sp::kResetButton, look, w["reset"]);
  }
}

void PaintTrophy(Canvas& c, int level) {
  cairo_t* cr = c.Cr();
  // The same ground and spotlight as the page behind the trophy control.
  cairo_save(cr);
  cairo_translate(cr, -sp::kTrophyPicture.left, -sp::kTrophyPicture.top);
  PageGround(cr, {0, 0, layout::kPageSize.width, layout::kPageSize.height});
  Spotlight(cr, (sp::kTrophyPicture.left + sp::kTrophyPicture.right) / 2.0, 190, 190, 0.10 + 0.02 * level);
  cairo_restore(cr);
  const double cx = c.Width() / 2.0;
  // Rays behind the higher trophies.
  if (level >= 4) {
    cairo_save(cr);
    cairo_translate(cr, cx, 170);
    const Metal m = MetalOfLevel(level);
    const int rays = 8 + level;
    for (int i = 0; i < rays; ++i) {
      cairo_rotate(cr, 2 * kPi / rays);
      cairo_move_to(cr, 0, 0);
      cairo_line_to(cr, -9, -135);
      cairo_line_to(cr, 9, -135);
      cairo_close_path(cr);
    }
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 20, 0, 0, 135);
    cairo_pattern_add_color_stop_rgba(g, 0, m.light.r / 255.0, m.light.g / 255.0, m.light.b / 255.0, 0.20);
    cairo_pattern_add_color_stop_rgba(g, 1, m.light.r / 255.0, m.light.g / 255.0, m.light.b / 255.0, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  // Pedestal.
  FillVerticalGradient(cr, {static_cast<int>(cx) - 92, 318, static_cast<int>(cx) + 92, 336}, Rgb{44, 51, 60},
                       Rgb{24, 28, 33});
  FillVerticalGradient(cr, {static_cast<int>(cx) - 110, 336, static_cast<int>(cx) + 110, 352}, Rgb{34, 40, 47},
                       Rgb{16, 19, 23});
  HLine(cr, static_cast<int>(cx) - 92, static_cast<int>(cx) + 92, 318, kHighlight);
  HLine(cr, static_cast<int>(cx) - 110, static_cast<int>(cx) + 110, 336, kHighlight, 0.6);
  // The cup grows with the level.
  const double height = level == 0 ? 190 : 170 + 5 * level;
  DrawCup(cr, cx, 318, height, level);
  // The level in a badge on the pedestal's front and thirteen pips under it.
  const Metal m = MetalOfLevel(level == 0 ? 1 : level);
  const std::string number = std::to_string(level);
  DrawText(cr, {0, 360, c.Width(), 400}, number,
           TextStyle{30, 800, level == 0 ? kTextFaint : m.light, Align::kCenter});
  for (int i = 0; i < 13; ++i) {
    const double x = cx + (i - 6) * 14;
    CirclePath(cr, x, 414, 3.5);
    SetColor(cr, i < level ? m.mid : i == level && level > 0 ? m.light : kLine);
    cairo_fill(cr);
  }
}

}  // namespace zk40::art
