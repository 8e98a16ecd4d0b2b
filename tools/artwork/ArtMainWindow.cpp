// The main window: title band with the brand, five tabs, the page frame and
// the bottom bar with flag, language button, hint line, profiles and Apply.

#include <cmath>

#include "Art.h"
#include "Theme.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace mw = layout::main_window;

void TitleBand(cairo_t* cr, const Words& w) {
  FillVerticalGradient(cr, {0, 0, mw::kSize.width, 78}, Rgb{20, 24, 29}, kWindow);
  // Speed lines at the right of the band.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, mw::kSize.width, 78);
  cairo_clip(cr);
  for (int i = 0; i < 9; ++i) {
    const double x = 560 + i * 34;
    cairo_move_to(cr, x, 78);
    cairo_line_to(cr, x + 60, 0);
    SetColor(cr, kAccent, 0.035 + 0.006 * i);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  BrandMark(cr, 42, 39, 17);
  DrawText(cr, {70, 18, 400, 42}, w["brand"], TextStyle{22, 800, kTextStrong, Align::kLeft, 4});
  DrawText(cr, {71, 42, 400, 58}, w["product"], TextStyle{11, 500, kAccent, Align::kLeft, w.Chinese() ? 1.0 : 2.4});
  // The accent rule under the band, fading to the right.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, mw::kSize.width, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0.9);
  cairo_pattern_add_color_stop_rgba(p, 0.45, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0.25);
  cairo_pattern_add_color_stop_rgba(p, 1, kAccent.r / 255.0, kAccent.g / 255.0, kAccent.b / 255.0, 0.0);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, 77, mw::kSize.width, 1);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void TitleButton(cairo_t* cr, Rect r, Look look, Glyph glyph) {
  if (look == Look::kOver) FillRoundRect(cr, r.Inflate(-2), 3, kRaisedHover);
  if (look == Look::kDown) FillRoundRect(cr, r.Inflate(-2), 3, kAccent);
  const Rgb color = look == Look::kDown ? Rgb{8, 24, 32} : look == Look::kOver ? Rgb{255, 255, 255} : kText;
  DrawGlyph(cr, glyph, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, 11, color, 1.6);
}

void LanguageButton(cairo_t* cr, Rect r, Look look) {
  ButtonFace(cr, r, look);
  const Rgb color = look == Look::kDown ? Rgb{8, 24, 32} : look == Look::kOver ? Rgb{255, 255, 255} : kText;
  DrawGlyph(cr, Glyph::kGlobe, r.left + 14, (r.top + r.bottom) / 2.0, 11, color, 1.4);
  DrawGlyph(cr, Glyph::kCaretUp, r.right - 11, (r.top + r.bottom) / 2.0, 7, color, 1.5);
}

}  // namespace

void PaintMainWindow(Canvas& c, const Words& w, Look look) { PaintMainWindow(c, w, look, true); }

void PaintMainWindowButtons(Canvas& c, const Words& w, Look look) { PaintMainWindow(c, w, look, false); }

void PaintMainWindow(Canvas& c, const Words& w, Look look, bool button_labels) {
  // The program puts the eleven irregular buttons' captions on them itself,
  // in the interface language of the moment: their own pictures carry none.
  const auto label = [&](const std::string& key) { return button_labels ? w[key] : std::string(); };
  cairo_t* cr = c.Cr();
  const Rect all{0, 0, mw::kSize.width, mw::kSize.height};
  FillVerticalGradient(cr, all, kWindow, Rgb{7, 8, 10});
  TitleBand(cr, w);

  TitleButton(cr, mw::kMinimizeButton, look, Glyph::kMinimize);
  TitleButton(cr, mw::kHideToTrayButton, look, Glyph::kToTray);

  // The tab row sits on a hairline that runs into the page frame.
  HLine(cr, 15, 941, 121, kLine);
  const char* tab_keys[] = {"str_main", "str_led_title", "str_macro_manager", "str_sts", "str_about"};
  for (int i = 0; i < 5; ++i) QuadButton(cr, mw::kTabs[i], look, label(tab_keys[i]), ButtonKind::kSecondary, 14);

  // Frame of the page area; the pages cover its inside.
  const Rect page{mw::kPageOrigin.x, mw::kPageOrigin.y, mw::kPageOrigin.x + mw::kPageSize.width,
                  mw::kPageOrigin.y + mw::kPageSize.height};
  FillRect(cr, page, kPanel);
  StrokeRect(cr, page.Inflate(1), kLineSoft);

  // Bottom bar.
  HLine(cr, 15, 941, 586, kLineSoft);
  StrokeRect(cr, mw::kFlagControl.Inflate(1), kLine);
  LanguageButton(cr, mw::kLanguageButton, look);
  FillRoundRect(cr, mw::kHintLine, 3, kInset);
  StrokeRoundRect(cr, mw::kHintLine, 3, kLineSoft);
  DrawText(cr, {321, 589, 560, 605}, w["profiles"],
           TextStyle{10, 700, kTextMuted, Align::kLeft, w.Chinese() ? 0.5 : 1.6, !w.Chinese()});
  for (int i = 0; i < 5; ++i) {
    QuadButton(cr, mw::kProfileButtons[i], look, label("str_profile" + std::to_string(i + 1)), ButtonKind::kSecondary, 12);
  }
  QuadButton(cr, mw::kApplyButton, look, label("str_ok"), ButtonKind::kPrimary, 15);

  // Window edge: a hairline with a brighter top.
  StrokeRect(cr, all, kLine);
  HLine(cr, 1, all.right - 1, 1, kHighlight, 0.6);
}

}  // namespace zk40::art
