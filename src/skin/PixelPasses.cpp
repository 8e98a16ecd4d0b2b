#include "skin/PixelPasses.h"

namespace zk40::skin {

void KeyOutMagenta(std::span<Argb> pixels) {
  for (Argb& p : pixels) {
    const Argb rgb = p & kRgbMask;
    if (rgb == kMagenta) {
      p = 0;
    } else if (rgb == 0) {
      p = 0xFF000000 | kBlueOne;
    } else {
      p = 0xFF000000 | rgb;
    }
  }
}

void MakeBlackVisible(std::span<Argb> pixels, AlphaMeaning alpha) {
  for (Argb& p : pixels) {
    if ((p & kRgbMask) != 0) continue;
    if (alpha == AlphaMeaning::premultiplied && (p >> 24) == 0) continue;
    p |= kBlueOne;
  }
}

std::vector<PixelRun> OutlineRuns(std::span<const Argb> pixels, int width, int height) {
  std::vector<PixelRun> runs;
  if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return runs;
  }
  const Argb key = pixels[0] & kRgbMask;
  for (int y = 0; y < height; ++y) {
    const Argb* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & kRgbMask) == key) ++x;
      const int left = x;
      while (x < width && (row[x] & kRgbMask) != key) ++x;
      if (x > left) runs.push_back({y, left, x});
    }
  }
  return runs;
}

}  // namespace zk40::skin
