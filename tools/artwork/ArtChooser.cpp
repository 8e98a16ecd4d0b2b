// The function chooser: a dark frame with a light title band, four tabs, a
// light page area, the disable switch and the Default and OK buttons; and its
// four light pages (key combination, macros, basic functions, advanced).

#include "Art.h"
#include "Theme.h"
#include "skin/layout/ChooserLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace ch = layout::chooser;

constexpr int kBandBottom = 20;

void PaperGround(cairo_t* cr, Rect r) { FillVerticalGradient(cr, r, kPaper, Rgb{226, 230, 235}); }

// A light check box or option circle for the light pages.
void PaperToggle(cairo_t* cr, Rect r, Look look, bool round) {
  const double side = std::min(r.Width(), r.Height()) - 2;
  const double x = r.left + (r.Width() - side) / 2.0, y = r.top + (r.Height() - side) / 2.0;
  const Rgb fill = look == Look::kDown ? kAccent : Rgb{255, 255, 255};
  const Rgb edge = look == Look::kNormal ? Rgb{150, 160, 172} : look == Look::kOver ? kAccent : kAccentDeep;
  if (round) {
    CirclePath(cr, x + side / 2, y + side / 2, side / 2 - 0.5);
  } else {
    RoundedRectPath(cr, x + 0.5, y + 0.5, side - 1, side - 1, 2.5);
  }
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, edge);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (look == Look::kDown) {
    if (round) {
      SetColor(cr, Rgb{255, 255, 255});
      CirclePath(cr, x + side / 2, y + side / 2, side / 2 - 4);
      cairo_fill(cr);
    } else {
      DrawGlyph(cr, Glyph::kCheck, x + side / 2, y + side / 2, side * 0.6, Rgb{255, 255, 255}, 1.7);
    }
  }
}

void Tab(cairo_t* cr, Rect r, Look look) {
  ClipScope clip(cr, r);
  if (look == Look::kDown) {
    FillVerticalGradient(cr, r, kAccent, kAccentDeep);
    HLine(cr, r.left, r.right, r.top, kAccentBright);
  } else {
    FillVerticalGradient(cr, r, look == Look::kOver ? kRaisedHover : kRaised, kCard);
    HLine(cr, r.left, r.right, r.top, look == Look::kOver ? Rgb{90, 104, 120} : kHighlight, 0.7);
  }
  VLine(cr, r.right - 1, r.top + 4, r.bottom - 4, kWindow);
}

}  // namespace

void PaintChooserFrame(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  const Rect all{0, 0, c.Width(), c.Height()};
  FillVerticalGradient(cr, all, kCard, kWindow);
  // Title band (the program writes the title in a dark grey on it).
  FillVerticalGradient(cr, {0, 0, c.Width(), kBandBottom}, Rgb{212, 218, 224}, Rgb{188, 196, 204});
  HLine(cr, 0, c.Width(), kBandBottom, kAccent);
  DrawText(cr, {5, 0, 80, kBandBottom}, w["brand"], TextStyle{10, 800, Rgb{60, 68, 78}, Align::kLeft, 2.5});
  {
    ClipScope clip(cr, ch::kCloseButton);
    if (look != Look::kNormal) FillRoundRect(cr, ch::kCloseButton.Inflate(-1), 3, look == Look::kDown ? kAccentDeep : kAccent);
    DrawGlyph(cr, Glyph::kCross, (ch::kCloseButton.left + ch::kCloseButton.right) / 2.0,
              (ch::kCloseButton.top + ch::kCloseButton.bottom) / 2.0, 8,
              look == Look::kNormal ? Rgb{60, 68, 78} : Rgb{255, 255, 255}, 1.7);
  }
  for (const Rect& t : ch::kTabs) Tab(cr, t, look);
  HLine(cr, 0, c.Width(), ch::kTabs[0].bottom, kAccent, 0.8);
  // Page area.
  FillRect(cr, ch::kPageArea.Inflate(1), kPaperLine);
  PaperGround(cr, ch::kPageArea);
  HLine(cr, 12, c.Width() - 12, 248, kLineSoft);
  {
    ClipScope clip(cr, ch::kDisableSwitch);
    CheckMark(cr, ch::kDisableSwitch, look);
  }
  {
    ClipScope clip(cr, ch::kDefaultButton);
    ButtonFace(cr, ch::kDefaultButton, look);
  }
  {
    ClipScope clip(cr, ch::kOkButton);
    ButtonFace(cr, ch::kOkButton, look, ButtonKind::kPrimary);
  }
  StrokeRect(cr, all, kLine);
}

void PaintChooserCombo(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  PaperGround(cr, {0, 0, c.Width(), c.Height()});
  namespace cc = layout::chooser_combo;
  const char* names[] = {"ctrl", "alt", "shift", "win"};
  FillRoundRect(cr, {40, 34, 150, 144}, 4, Rgb{246, 248, 250});
  StrokeRoundRect(cr, {40, 34, 150, 144}, 4, kPaperLine);
  for (int i = 0; i < 4; ++i) {
    const Rect b = cc::kModifierBoxes[i];
    {
      ClipScope clip(cr, b);
      PaperToggle(cr, b, look, false);
    }
    Label(cr, {b.right + 10, b.top - 3, 146, b.bottom + 3}, w[names[i]], Rgb{60, 68, 78}, 12);
  }
  DrawGlyph(cr, Glyph::kPlus, 160, 88.5, 10, kAccent, 2);
  Label(cr, {cc::kKeyName.left, 50, cc::kKeyName.right, 70}, w["press_key"], Rgb{110, 118, 128}, 11);
  const Rect key = cc::kKeyName.Inflate(4);
  FillRoundRect(cr, key, 3, Rgb{255, 255, 255});
  StrokeRoundRect(cr, key, 3, kAccent);
  HLine(cr, key.left + 3, key.right - 3, key.bottom - 2, kAccent, 0.5);
}

void PaintChooserMacro(Canvas& c, const Words&, Look) {
  cairo_t* cr = c.Cr();
  PaperGround(cr, {0, 0, c.Width(), c.Height()});
  namespace cm = layout::chooser_macro;
  for (const Rect& r : {cm::kGameList, cm::kMacroList}) {
    FillRect(cr, r.Inflate(1), kPaperLine);
    FillRect(cr, r, Rgb{255, 255, 255});
  }
}

void PaintChooserBasic(Canvas& c, const Words&, Look) {
  cairo_t* cr = c.Cr();
  PaperGround(cr, {0, 0, c.Width(), c.Height()});
  StrokeRect(cr, {0, 0, c.Width(), c.Height()}, kPaperLine);
}

void PaintChooserAdvanced(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  PaperGround(cr, {0, 0, c.Width(), c.Height()});
  namespace ca = layout::chooser_advanced;
  const Glyph glyphs[] = {Glyph::kRecord, Glyph::kPlus, Glyph::kPencil, Glyph::kMinus};
  (void)glyphs;
  for (const auto& row : ca::kRows) {
    {
      ClipScope clip(cr, row.option_switch);
      PaperToggle(cr, row.option_switch, look, true);
    }
    const Rect field = row.path.Inflate(2);
    FillRoundRect(cr, field, 2, kFieldLight);
    StrokeRoundRect(cr, field, 2, Rgb{160, 170, 180});
    {
      ClipScope clip(cr, row.browse);
      TextButton(cr, row.browse, look, "");
    }
  }
  Label(cr, {21, 146, 349, 166}, w["advanced_note"], Rgb{120, 128, 138}, 11);
}

}  // namespace zk40::art
