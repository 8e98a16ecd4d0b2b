#include "Canvas.h"

#include <cstring>

#include "BmpFile.h"

namespace zk40::art {
namespace {

std::uint32_t* Row(cairo_surface_t* s, int y) {
  return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s));
}

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
  if (alpha == 0) return 0;
  return static_cast<std::uint8_t>((channel * 255 + alpha / 2) / alpha);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Rgba Canvas::Pixel(int x, int y) const {
  cairo_surface_flush(surface_);
  const std::uint32_t p = Row(surface_, y)[x];
  const std::uint32_t a = p >> 24;
  return {Unpremultiply((p >> 16) & 0xFF, a), Unpremultiply((p >> 8) & 0xFF, a), Unpremultiply(p & 0xFF, a),
          static_cast<std::uint8_t>(a)};
}

void Canvas::SetPixel(int x, int y, Rgba c) {
  cairo_surface_flush(surface_);
  const auto pre = [&](std::uint8_t v) { return static_cast<std::uint32_t>((v * c.a + 127) / 255); };
  Row(surface_, y)[x] = static_cast<std::uint32_t>(c.a) << 24 | pre(c.r) << 16 | pre(c.g) << 8 | pre(c.b);
  cairo_surface_mark_dirty(surface_);
}

void Canvas::CopyFrom(const Canvas& source, Rect r) {
  cairo_save(cr_);
  cairo_rectangle(cr_, r.left, r.top, r.Width(), r.Height());
  cairo_clip(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr_, source.surface_, 0, 0);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Canvas::Paint(const Canvas& source, int x, int y) {
  cairo_save(cr_);
  cairo_set_source_surface(cr_, source.surface_, x, y);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

bool Canvas::WriteBmp(const std::string& path) const {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
  std::size_t i = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Rgba p = Pixel(x, y);
      rgb[i++] = p.r;
      rgb[i++] = p.g;
      rgb[i++] = p.b;
    }
  }
  return WriteWholeFile(path, EncodeBmp24(width_, height_, rgb));
}

bool Canvas::WritePng(const std::string& path) const {
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::vector<std::uint8_t> Canvas::Bgra() const {
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Rgba p = Pixel(x, y);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  return out;
}

}  // namespace zk40::art
