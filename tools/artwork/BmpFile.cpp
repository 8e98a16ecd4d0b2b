#include "BmpFile.h"

#include <fstream>
#include <iterator>

namespace zk40::art {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}
std::uint32_t Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint32_t>(in[at] | in[at + 1] << 8);
}
std::uint32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return Get16(in, at) | Get16(in, at + 2) << 16;
}
std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb) {
  const std::size_t row = RowBytes(width);
  const std::size_t pixels = row * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> out(kFileHeader + kInfoHeader + pixels, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kFileHeader + kInfoHeader);
  Put32(out, 14, kInfoHeader);
  Put32(out, 18, static_cast<std::uint32_t>(width));
  Put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 26, 1);                                   // planes
  Put16(out, 28, 24);                                  // bits per pixel
  Put32(out, 34, static_cast<std::uint32_t>(pixels));
  Put32(out, 38, 2835);  // 72 dots per inch
  Put32(out, 42, 2835);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* dst = out.data() + kFileHeader + kInfoHeader + row * static_cast<std::size_t>(height - 1 - y);
    const std::uint8_t* src = rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
    for (int x = 0; x < width; ++x) {
      dst[x * 3] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3];
    }
  }
  return out;
}

bool DecodeBmp24(const std::vector<std::uint8_t>& file, BmpImage& out) {
  if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M') return false;
  const std::uint32_t offset = Get32(file, 10);
  const auto width = static_cast<std::int32_t>(Get32(file, 18));
  const auto height = static_cast<std::int32_t>(Get32(file, 22));
  if (Get16(file, 28) != 24 || Get32(file, 30) != 0 || width <= 0 || height == 0) return false;
  const bool bottom_up = height > 0;
  const int rows = bottom_up ? height : -height;
  const std::size_t row = RowBytes(width);
  if (offset > file.size() || file.size() - offset < row * static_cast<std::size_t>(rows)) return false;
  out.width = width;
  out.height = rows;
  out.rgb.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows) * 3, 0);
  for (int y = 0; y < rows; ++y) {
    const int stored = bottom_up ? rows - 1 - y : y;
    const std::uint8_t* src = file.data() + offset + row * static_cast<std::size_t>(stored);
    std::uint8_t* dst = out.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
    for (int x = 0; x < width; ++x) {
      dst[x * 3] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3];
    }
  }
  return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return true;
}

}  // namespace zk40::art
