#include "Draw.h"

#include <glib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "Theme.h"

namespace zk40::art {
namespace {

double Channel(std::uint8_t v) { return v / 255.0; }

// Grey-scale antialiasing with slight hinting, set explicitly so that the
// pictures do not depend on the build machine's font settings.
void ConfigureFonts(PangoLayout* layout) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  PangoContext* context = pango_layout_get_context(layout);
  pango_cairo_context_set_font_options(context, options);
  pango_cairo_context_set_resolution(context, 96);
  pango_layout_context_changed(layout);
  cairo_font_options_destroy(options);
}

std::string Prepared(const std::string& text, const TextStyle& style) {
  if (!style.upper) return text;
  gchar* upper = g_utf8_strup(text.c_str(), static_cast<gssize>(text.size()));
  std::string out(upper);
  g_free(upper);
  return out;
}

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const TextStyle& style, double size) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  ConfigureFonts(layout);
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, theme::kFontFamily);
  pango_font_description_set_weight(font, static_cast<PangoWeight>(style.weight));
  pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  if (style.tracking != 0) {
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(static_cast<int>(style.tracking * PANGO_SCALE)));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
  }
  const std::string shown = Prepared(text, style);
  pango_layout_set_text(layout, shown.c_str(), static_cast<int>(shown.size()));
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  return layout;
}

}  // namespace

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, Channel(c.r), Channel(c.g), Channel(c.b), alpha);
}

void FillRect(cairo_t* cr, Rect r, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
  cairo_fill(cr);
}

void StrokeRect(cairo_t* cr, Rect r, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1);
  cairo_stroke(cr);
}

void HLine(cairo_t* cr, int x0, int x1, int y, Rgb c, double alpha) { FillRect(cr, {x0, y, x1, y + 1}, c, alpha); }

void VLine(cairo_t* cr, int x, int y0, int y1, Rgb c, double alpha) { FillRect(cr, {x, y0, x + 1, y1}, c, alpha); }

void FillVerticalGradient(cairo_t* cr, Rect r, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, r.top, 0, r.bottom);
  cairo_pattern_add_color_stop_rgb(p, 0, Channel(top.r), Channel(top.g), Channel(top.b));
  cairo_pattern_add_color_stop_rgb(p, 1, Channel(bottom.r), Channel(bottom.g), Channel(bottom.b));
  cairo_set_source(cr, p);
  cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void FillHorizontalGradient(cairo_t* cr, Rect r, Rgb left, Rgb right) {
  cairo_pattern_t* p = cairo_pattern_create_linear(r.left, 0, r.right, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, Channel(left.r), Channel(left.g), Channel(left.b));
  cairo_pattern_add_color_stop_rgb(p, 1, Channel(right.r), Channel(right.g), Channel(right.b));
  cairo_set_source(cr, p);
  cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min({radius, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -G_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, G_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, G_PI / 2, G_PI);
  cairo_arc(cr, x + r, y + r, r, G_PI, 3 * G_PI / 2);
  cairo_close_path(cr);
}

void FillRoundRect(cairo_t* cr, Rect r, double radius, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  RoundedRectPath(cr, r.left, r.top, r.Width(), r.Height(), radius);
  cairo_fill(cr);
}

void StrokeRoundRect(cairo_t* cr, Rect r, double radius, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  cairo_set_line_width(cr, 1);
  RoundedRectPath(cr, r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1, radius);
  cairo_stroke(cr);
}

void QuadPath(cairo_t* cr, const Quad& q) {
  cairo_new_path(cr);
  cairo_move_to(cr, q.points[0].x, q.points[0].y);
  for (std::size_t i = 1; i < q.points.size(); ++i) cairo_line_to(cr, q.points[i].x, q.points[i].y);
  cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * G_PI);
  cairo_close_path(cr);
}

ClipScope::ClipScope(cairo_t* cr, Rect r) : cr_(cr) {
  cairo_save(cr_);
  cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
  cairo_clip(cr_);
}

ClipScope::ClipScope(cairo_t* cr, const Quad& q) : cr_(cr) {
  cairo_save(cr_);
  QuadPath(cr_, q);
  cairo_clip(cr_);
}

ClipScope::~ClipScope() { cairo_restore(cr_); }

int TextWidth(cairo_t* cr, const std::string& text, const TextStyle& style) {
  PangoLayout* layout = MakeLayout(cr, text, style, style.size);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return logical.width;
}

void DrawText(cairo_t* cr, Rect box, const std::string& text, const TextStyle& style) {
  double size = style.size;
  PangoLayout* layout = MakeLayout(cr, text, style, size);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  // Shrink up to 15 percent before cutting the text short.
  while (logical.width > box.Width() && size > style.size * 0.85) {
    size -= 0.5;
    g_object_unref(layout);
    layout = MakeLayout(cr, text, style, size);
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
  }
  if (logical.width > box.Width()) {
    pango_layout_set_width(layout, box.Width() * PANGO_SCALE);
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
  }
  const int baseline = pango_layout_get_baseline(layout) / PANGO_SCALE;
  // Centre the letters' body (cap line about 0.72 of the size above the
  // baseline, a short descender below) rather than the CJK font's tall line
  // box, so every text of a row shares a baseline.
  const double base_y = box.top + (box.Height() + size * 0.72 - size * 0.12) / 2.0;
  double x = box.left;
  if (style.align == Align::kCenter) x = box.left + (box.Width() - logical.width) / 2.0;
  if (style.align == Align::kRight) x = box.right - logical.width;
  SetColor(cr, style.color);
  cairo_move_to(cr, std::round(x - logical.x), std::round(base_y) - baseline);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
}

}  // namespace zk40::art
