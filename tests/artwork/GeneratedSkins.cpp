#include "GeneratedSkins.h"

#include <cairo.h>

#include <cstdlib>
#include <cstring>

namespace zk40::art::testing {
bool RunGenerator(const std::filesystem::path& folder) {
  const std::string command = std::string("\"") + ZK40_ARTWORK_PROGRAM + "\" \"" + (folder / "sets").string() + "\" \"" +
                              (folder / "generated").string() + "\" \"" + ZK40_SOURCE_DIR + "/data/Language\"";
  return std::system(command.c_str()) == 0;
}

Rgb Picture::At(int x, int y) const {
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
  return {rgba[i], rgba[i + 1], rgba[i + 2]};
}

std::uint8_t Picture::AlphaAt(int x, int y) const {
  return rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4 + 3];
}

Picture ReadPicture(const std::filesystem::path& path) {
  Picture p;
  if (path.extension() == ".png") {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.string().c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
      p.width = cairo_image_surface_get_width(s);
      p.height = cairo_image_surface_get_height(s);
      const int stride = cairo_image_surface_get_stride(s);
      const unsigned char* data = cairo_image_surface_get_data(s);
      for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
          std::uint32_t v;
          std::memcpy(&v, data + y * stride + x * 4, 4);
          const std::uint32_t a = v >> 24;
          const auto un = [a](std::uint32_t c) { return static_cast<std::uint8_t>(a ? (c * 255 + a / 2) / a : 0); };
          p.rgba.insert(p.rgba.end(), {un((v >> 16) & 0xFF), un((v >> 8) & 0xFF), un(v & 0xFF),
                                       static_cast<std::uint8_t>(a)});
        }
      }
    }
    cairo_surface_destroy(s);
    return p;
  }
  std::vector<std::uint8_t> bytes;
  BmpImage image;
  if (!ReadWholeFile(path.string(), bytes) || !DecodeBmp24(bytes, image)) return p;
  p.width = image.width;
  p.height = image.height;
  for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
    p.rgba.insert(p.rgba.end(), {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2], 255});
  }
  return p;
}

}  // namespace zk40::art::testing
