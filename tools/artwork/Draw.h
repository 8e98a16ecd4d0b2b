#pragma once
// Drawing helpers over Cairo and Pango: crisp pixel-aligned shapes, gradients,
// and text laid out in a box.

#include <cairo.h>

#include <string>

#include "Canvas.h"

namespace zk40::art {

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillRect(cairo_t* cr, Rect r, Rgb c, double alpha = 1.0);
// A one-pixel line just inside r.
void StrokeRect(cairo_t* cr, Rect r, Rgb c, double alpha = 1.0);
void HLine(cairo_t* cr, int x0, int x1, int y, Rgb c, double alpha = 1.0);
void VLine(cairo_t* cr, int x, int y0, int y1, Rgb c, double alpha = 1.0);
void FillVerticalGradient(cairo_t* cr, Rect r, Rgb top, Rgb bottom);
void FillHorizontalGradient(cairo_t* cr, Rect r, Rgb left, Rgb right);

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void FillRoundRect(cairo_t* cr, Rect r, double radius, Rgb c, double alpha = 1.0);
// A one-pixel outline of a rounded rectangle just inside r.
void StrokeRoundRect(cairo_t* cr, Rect r, double radius, Rgb c, double alpha = 1.0);
void QuadPath(cairo_t* cr, const Quad& q);
void CirclePath(cairo_t* cr, double cx, double cy, double radius);

// Restricts drawing to a rectangle or a polygon for its lifetime.
class ClipScope {
 public:
  ClipScope(cairo_t* cr, Rect r);
  ClipScope(cairo_t* cr, const Quad& q);
  ~ClipScope();
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  cairo_t* cr_;
};

enum class Align { kLeft, kCenter, kRight };

struct TextStyle {
  double size = 12;  // pixels
  int weight = 400;
  Rgb color{255, 255, 255};
  Align align = Align::kLeft;
  double tracking = 0;  // extra pixels between letters
  bool upper = false;   // letters in capitals (Latin and Cyrillic only)
};

// Draws text on one line, vertically centred in box; shrinks it a little
// and then ends it with an ellipsis when it does not fit.
void DrawText(cairo_t* cr, Rect box, const std::string& text, const TextStyle& style);
// Width in pixels of the text on one line.
int TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style);

}  // namespace zk40::art
