#pragma once
// The pictures this build drew, and readers for them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40::art::testing {

using layout::Rect;
using layout::Rgb;

// Runs the generator into folder; true when it exited with 0.
bool RunGenerator(const std::filesystem::path& folder);

// A decoded picture: 24-bit BMP, or PNG with alpha.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // straight alpha, top row first

  Rgb At(int x, int y) const;
  std::uint8_t AlphaAt(int x, int y) const;
};
Picture ReadPicture(const std::filesystem::path& path);

class GeneratedSkins : public ::testing::Test {
 protected:
  // The skins folder of an install: "en" or "sc".
  static std::filesystem::path Skins(const std::string& set) {
    return std::filesystem::path(ZK40_SKIN_SETS_DIR) / set / "skins";
  }
  static std::filesystem::path Resources() { return std::filesystem::path(ZK40_GENERATED_DIR) / "resources"; }
  static std::filesystem::path ResourceScript() {
    return std::filesystem::path(ZK40_GENERATED_DIR) / "skin_resources.rc";
  }
};

}  // namespace zk40::art::testing
