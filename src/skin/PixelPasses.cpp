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

void BlendOver(std::span<Argb> below, std::span<const Argb> above) {
  const std::size_t n = below.size() < above.size() ? below.size() : above.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Argb a = above[i];
    const Argb keep = 255 - (a >> 24);
    if (keep == 0) {
      below[i] = a;
      continue;
    }
    Argb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
      const Argb channel = ((a >> shift) & 0xFF) + (((below[i] >> shift) & 0xFF) * keep + 127) / 255;
      out |= (channel > 255 ? 255 : channel) << shift;
    }
    below[i] = out;
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
