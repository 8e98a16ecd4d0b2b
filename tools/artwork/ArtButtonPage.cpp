// The button page: DPI stages, pointer speed and precision, lift-off
// distance, report rate, Windows scrolling, and the seven button entries
// under a picture of the mouse with a marker on every button.

#include <string>

#include "Art.h"
#include "MouseArt.h"
#include "Theme.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/SkinFiles.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace bp = layout::button_page;

constexpr int kThumb = layout::kSliderThumb.size.height;

void Marker(cairo_t* cr, Rect r, Look look) {
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  if (look == Look::kDown) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 11);
    cairo_pattern_add_color_stop_rgba(g, 0, kAccentBright.r / 255.0, kAccentBright.g / 255.0, kAccentBright.b / 255.0, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0);
    cairo_set_source(cr, g);
    CirclePath(cr, cx, cy, 11);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  SetColor(cr, look == Look::kNormal ? kWindow : kAccentShadow, 0.85);
  CirclePath(cr, cx, cy, 6.5);
  cairo_fill_preserve(cr);
  SetColor(cr, look == Look::kNormal ? Rgb{96, 110, 126} : kAccentBright);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  SetColor(cr, look == Look::kNormal ? Rgb{96, 110, 126} : Rgb{255, 255, 255});
  CirclePath(cr, cx, cy, look == Look::kNormal ? 2 : 3);
  cairo_fill(cr);
}

void SideButton(cairo_t* cr, double cx, double cy) {
  FillRoundRect(cr, {static_cast<int>(cx) - 4, static_cast<int>(cy) - 13, static_cast<int>(cx) + 4,
                     static_cast<int>(cy) + 13},
                4, Rgb{46, 54, 64});
  StrokeRoundRect(cr, {static_cast<int>(cx) - 4, static_cast<int>(cy) - 13, static_cast<int>(cx) + 4,
                       static_cast<int>(cy) + 13},
                  4, Rgb{78, 90, 104});
}

void ScaleLabels(cairo_t* cr, Rect bar, const std::string& low, const std::string& high) {
  const Rect below{bar.left, bar.bottom + 4, bar.right, bar.bottom + 20};
  Label(cr, below, low, kTextMuted, 11, Align::kLeft);
  Label(cr, below, high, kTextMuted, 11, Align::kRight);
}

void Ticks(cairo_t* cr, Rect bar, int count) {
  const int y = bar.bottom - kThumb / 2 + 5;
  for (int i = 0; i < count; ++i) {
    const int x = bar.left + 7 + (bar.Width() - 14) * i / (count - 1);
    VLine(cr, x, y, y + 3, kLine);
  }
}

// Everything but the button entries in `look`, the entries in entries_look.
void PaintPage(Canvas& c, const Words& w, Look look, Look entries_look) {
  cairo_t* cr = c.Cr();
  const bool zh = w.Chinese();
  // The entries' pictures are 4 rows taller than the page: the page's ground
  // keeps the page's height so that both pictures agree where the page shows.
  PageGround(cr, {0, 0, c.Width(), layout::kPageSize.height});
  if (c.Height() > layout::kPageSize.height) PageGround(cr, {0, layout::kPageSize.height, c.Width(), c.Height()});

  // The mouse, its side buttons and the markers.
  const MouseShape mouse{828, 92, 404, 70, 206};
  DrawMouse(cr, mouse, true);
  SideButton(cr, 760, 214);
  SideButton(cr, 766, 258);
  for (const Rect& m : bp::kButtonMarkers) {
    ClipScope clip(cr, m);
    Marker(cr, m, look);
  }

  const char* titles[] = {"dpi", "pointer", "sensor", "rate", "wheel", "buttons"};
  const int line_right[] = {622, 340, 700, 340, 700, 380};
  for (int i = 0; i < 6; ++i) SectionTitleArea(cr, bp::kAreaCaptions[i], w[titles[i]], look, line_right[i], zh);
  Label(cr, {470, 27, 622, 49}, w["dpi_note"], kTextMuted, 11, Align::kRight);

  for (int i = 0; i < 8; ++i) {
    ClipScope clip(cr, bp::kDpiBoxes[i]);
    CheckBox(cr, bp::kDpiBoxes[i], look, std::to_string(bp::kDpiChoices[i]), 12);
  }

  // Pointer speed 1..20 and lift-off 1..30.
  SliderGroove(cr, bp::kPointerSpeedSlider, kThumb, 0);
  Ticks(cr, bp::kPointerSpeedSlider, 5);
  ScaleLabels(cr, bp::kPointerSpeedSlider, w["slow"], w["fast"]);
  SliderGroove(cr, bp::kLiftOffSlider, kThumb, 0);
  Ticks(cr, bp::kLiftOffSlider, 5);
  ScaleLabels(cr, bp::kLiftOffSlider, w["low"], w["high"]);
  {
    ClipScope clip(cr, bp::kPrecisionBox);
    CheckBox(cr, bp::kPrecisionBox, look, w["precision"], 12);
  }

  for (int i = 0; i < 3; ++i) {
    ClipScope clip(cr, bp::kReportRateButtons[i]);
    OptionButton(cr, bp::kReportRateButtons[i], look, std::to_string(bp::kReportRates[i]) + " Hz", 11);
  }

  // Windows scrolling: a number of lines (field and arrows) or one screen.
  const Rect lines = bp::kLinesButton.For(zh), screen = bp::kScreenButton.For(zh);
  const Rect field = bp::kLinesField.For(zh), up = bp::kLinesUp.For(zh), down = bp::kLinesDown.For(zh);
  {
    ClipScope clip(cr, lines);
    OptionButton(cr, lines, look, w["lines_choice"], 12);
  }
  {
    ClipScope clip(cr, screen);
    OptionButton(cr, screen, look, w["screen_choice"], 12);
  }
  if (!zh) Label(cr, {424, field.top, field.left - 8, field.bottom}, w["lines_count"], kTextMuted, 11, Align::kRight);
  Field(cr, field, true);
  for (const auto& [r, glyph] : {std::pair{up, Glyph::kCaretUp}, std::pair{down, Glyph::kCaretDown}}) {
    ClipScope clip(cr, r);
    ButtonFace(cr, r, look);
    const Rgb color = look == Look::kDown ? Rgb{8, 24, 32} : look == Look::kOver ? Rgb{255, 255, 255} : kText;
    DrawGlyph(cr, glyph, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0 + 0.5, 6, color, 1.4);
  }

  // Button entries.
  for (int i = 0; i < 7; ++i) {
    QuadButton(cr, bp::kButtonEntries[i], entries_look, w["button_" + std::to_string(i)], ButtonKind::kSecondary,
               zh ? 13 : 12);
  }
  Label(cr, {704, 412, 918, 438}, w["assign_hint"], kTextMuted, 11, Align::kCenter);
}

}  // namespace

void PaintButtonPage(Canvas& c, const Words& w, Look look) { PaintPage(c, w, look, Look::kNormal); }

void PaintButtonEntries(Canvas& c, const Words& w, Look look) { PaintPage(c, w, Look::kNormal, look); }

}  // namespace zk40::art
