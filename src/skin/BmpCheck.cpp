#include "skin/BmpCheck.h"

#include <cstdlib>

namespace zk40::skin {
namespace {

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kCoreHeader = 12;  // the oldest info header, 16-bit sizes
constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;

}  // namespace

bool BmpLooksComplete(std::span<const std::uint8_t> file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return true;
  if (file.size() < kFileHeader + 4) return false;
  const std::uint64_t pixels_at = U32(file, 10);
  const std::uint32_t header = U32(file, kFileHeader);
  if (header < kCoreHeader || kFileHeader + header > file.size() || pixels_at > file.size()) return false;
  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = kRgb, image_size = 0;
  if (header == kCoreHeader) {
    width = U16(file, kFileHeader + 4);
    height = U16(file, kFileHeader + 6);
    bits = U16(file, kFileHeader + 10);
  } else {
    if (header < 40) return false;
    width = static_cast<std::int32_t>(U32(file, kFileHeader + 4));
    height = static_cast<std::int32_t>(U32(file, kFileHeader + 8));
    bits = U16(file, kFileHeader + 14);
    compression = U32(file, kFileHeader + 16);
    image_size = U32(file, kFileHeader + 20);
  }
  if (width <= 0 || height == 0 || bits == 0 || bits > 32) return false;
  const std::uint64_t available = file.size() - pixels_at;
  if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    return stride * static_cast<std::uint64_t>(std::llabs(height)) <= available;
  }
  // Run-length and embedded formats: the stated data size must be there.
  return image_size > 0 && image_size <= available;
}

}  // namespace zk40::skin
