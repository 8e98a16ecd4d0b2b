#pragma once
// The looks of the controls, each drawn inside its own rectangle in one of
// the three states a page picture shows: Normal, Over (hovered) and Down
// (pressed, or on for the latched toggles).

#include <string>

#include "Draw.h"

namespace zk40::art {

enum class Look { kNormal, kOver, kDown };

// Small vector symbols for icon buttons.
enum class Glyph {
  kPlus,
  kMinus,
  kCross,
  kPencil,
  kTrash,
  kMinimize,
  kToTray,
  kGlobe,
  kCaretDown,
  kCaretUp,
  kCheck,
  kRecord,
  kArrowUp,
  kArrowDown,
  kClock,
  kInfo,
  kWarning,
};
void DrawGlyph(cairo_t* cr, Glyph glyph, double cx, double cy, double size, Rgb color, double line_width = 1.6);

// The brand mark: a hexagon with a stylised Z cut through it.
void BrandMark(cairo_t* cr, double cx, double cy, double r);

// The page's ground: near-black with a faint vertical gradient.
void PageGround(cairo_t* cr, Rect r);

// A section title: an accent bar, the title, and a hairline running on to
// line_right. Hovering brightens it, pressing lights it.
void SectionTitle(cairo_t* cr, Rect r, const std::string& text, Look look, int line_right, bool chinese);
// A section title whose hover area is `area`: drawn clipped to the area in
// `look`, with the hairline continuing outside the area to line_right.
void SectionTitleArea(cairo_t* cr, Rect area, const std::string& text, Look look, int line_right, bool chinese);
// A quieter label, for captions of single controls.
void Label(cairo_t* cr, Rect r, const std::string& text, Rgb color, double size = 12, Align align = Align::kLeft);

// A push button whose caption the program draws; only the face is drawn.
enum class ButtonKind { kSecondary, kPrimary, kDanger };
void ButtonFace(cairo_t* cr, Rect r, Look look, ButtonKind kind = ButtonKind::kSecondary);
// A face with its own text (for buttons that carry no caption).
void TextButton(cairo_t* cr, Rect r, Look look, const std::string& text, ButtonKind kind = ButtonKind::kSecondary);
// A square face with a symbol.
void IconButton(cairo_t* cr, Rect r, Look look, Glyph glyph);

// Check box and option circle with their label after them, filling r.
void CheckBox(cairo_t* cr, Rect r, Look look, const std::string& label, double text_size = 12);
void OptionButton(cairo_t* cr, Rect r, Look look, const std::string& label, double text_size = 12);
// Only the box or circle, centred in r.
void CheckMark(cairo_t* cr, Rect r, Look look);

// A slider bar's groove, sitting where a thumb of thumb_height sits on the
// bar's bottom edge; ticks marks between the values, 0 for none.
void SliderGroove(cairo_t* cr, Rect bar, int thumb_height, int ticks);
// A groove filled with a colour ramp (the colour sliders).
void ColorRampGroove(cairo_t* cr, Rect bar, int thumb_height, Rgb from, Rgb to);

// An input field: dark for edits that draw light text, light for edits
// that draw dark text.
void Field(cairo_t* cr, Rect r, bool light = false);

// A four-cornered button (tabs, profile buttons, Apply, button entries): the
// face clipped to the polygon, its edges, and its text centred on the
// polygon. Down is the selected (latched) look.
void QuadButton(cairo_t* cr, const Quad& q, Look look, const std::string& text, ButtonKind kind, double text_size);

// A rounded panel with a hairline border.
void Card(cairo_t* cr, Rect r, Rgb fill);

}  // namespace zk40::art
