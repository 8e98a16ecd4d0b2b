// The notice (a light card, since its texts are dark grey) and the upload
// progress dialog.

#include <cmath>

#include "Art.h"
#include "Theme.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/SkinFiles.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace nt = layout::notice;
namespace pg = layout::progress;

void PaperButton(cairo_t* cr, Rect r, Look look) {
  ClipScope clip(cr, r);
  const Rect face = r.Inflate(-3);
  if (look == Look::kNormal) {
    FillVerticalGradient(cr, face, Rgb{250, 251, 252}, Rgb{226, 231, 236});
    StrokeRoundRect(cr, face, 3, Rgb{172, 182, 192});
  } else {
    FillVerticalGradient(cr, face, look == Look::kOver ? kAccentBright : kAccent,
                         look == Look::kOver ? kAccent : kAccentDeep);
    StrokeRoundRect(cr, face, 3, kAccentDeep);
  }
}

}  // namespace

void PaintNotice(Canvas& c, bool with_cancel, Look look) {
  cairo_t* cr = c.Cr();
  const Rect all{0, 0, c.Width(), c.Height()};
  FillRect(cr, all, kPaper);
  // Title band with the accent along its top.
  FillVerticalGradient(cr, {0, 0, c.Width(), 31}, Rgb{226, 231, 236}, Rgb{214, 220, 226});
  FillRect(cr, {0, 0, c.Width(), 3}, kAccent);
  HLine(cr, 0, c.Width(), 31, kPaperLine);
  // Close box.
  {
    ClipScope clip(cr, nt::kCloseBox);
    if (look != Look::kNormal) FillRect(cr, nt::kCloseBox, look == Look::kOver ? kAccent : kAccentDeep);
    DrawGlyph(cr, Glyph::kCross, (nt::kCloseBox.left + nt::kCloseBox.right) / 2.0,
              (nt::kCloseBox.top + nt::kCloseBox.bottom) / 2.0 + 1, 9,
              look == Look::kNormal ? Rgb{83, 97, 103} : Rgb{255, 255, 255}, 1.8);
  }
  // The notice symbol beside the message.
  SetColor(cr, kAccent);
  CirclePath(cr, 52, 80, 21);
  cairo_fill(cr);
  DrawGlyph(cr, Glyph::kInfo, 52, 80, 26, Rgb{255, 255, 255}, 2.2);
  // Button strip.
  FillRect(cr, {0, 120, c.Width(), c.Height()}, Rgb{226, 231, 236});
  HLine(cr, 0, c.Width(), 120, kPaperLine);
  if (with_cancel) {
    PaperButton(cr, nt::kOkWithCancel, look);
    PaperButton(cr, nt::kCancel, look);
  } else {
    PaperButton(cr, nt::kOkAlone, look);
  }
  StrokeRect(cr, all, Rgb{150, 160, 170});
}

void PaintProgress(Canvas& c, bool full) {
  cairo_t* cr = c.Cr();
  const Rect all{0, 0, c.Width(), c.Height()};
  FillVerticalGradient(cr, all, kCard, kPanel);
  FillRect(cr, {0, 0, c.Width(), 2}, kAccent);
  StrokeRect(cr, all, kLine);
  const Rect track = pg::kBar;
  if (full) {
    FillVerticalGradient(cr, track, kAccentBright, kAccentDeep);
    HLine(cr, track.left, track.right, track.top, Rgb{180, 236, 255});
  } else {
    FillRect(cr, track, kInset);
    StrokeRect(cr, track, kLine);
  }
  // The brand mark at the right of the bar.
  SetColor(cr, kAccent, full ? 1.0 : 0.6);
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    const double a = (60.0 * i - 90.0) * 3.14159265358979 / 180.0;
    const double x = 312 + 9 * std::cos(a), y = 51.5 + 9 * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace zk40::art
