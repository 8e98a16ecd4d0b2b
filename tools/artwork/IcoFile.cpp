#include "IcoFile.h"

namespace zk40::art {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The image as the icon format stores it: header of a bitmap twice as high
// (colour and mask), colour rows bottom-up, then the mask rows, each padded to
// four bytes. A mask bit is set where the pixel is fully transparent.
std::vector<std::uint8_t> ImageBytes(const IconImage& image) {
  const auto n = static_cast<std::uint32_t>(image.size);
  const std::uint32_t mask_row = ((n + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, n);
  Put32(out, n * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, n * n * 4 + mask_row * n);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  for (std::uint32_t y = n; y-- > 0;) {
    const std::uint8_t* row = image.bgra.data() + y * n * 4;
    out.insert(out.end(), row, row + n * 4);
  }
  for (std::uint32_t y = n; y-- > 0;) {
    std::vector<std::uint8_t> bits(mask_row, 0);
    for (std::uint32_t x = 0; x < n; ++x) {
      if (image.bgra[(y * n + x) * 4 + 3] == 0) bits[x / 8] = static_cast<std::uint8_t>(bits[x / 8] | (0x80 >> (x % 8)));
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images) {
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const IconImage& image : images) bodies.push_back(ImageBytes(image));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto n = static_cast<std::uint8_t>(images[i].size >= 256 ? 0 : images[i].size);
    out.push_back(n);
    out.push_back(n);
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace zk40::art
