// The bitmap writer: 24 bits, rows bottom-up and padded to four bytes.

#include <gtest/gtest.h>

#include "BmpFile.h"

namespace zk40::art {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(BmpFile, RowsAreStoredBottomUpInBlueGreenRedAndPaddedToFourBytes) {
  // 3 x 2: a red top row and a blue bottom row; 9 bytes a row pad to 12.
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < 3; ++i) rgb.insert(rgb.end(), {255, 0, 0});
  for (int i = 0; i < 3; ++i) rgb.insert(rgb.end(), {0, 0, 255});
  const auto file = EncodeBmp24(3, 2, rgb);
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  EXPECT_EQ(Le32(file, 2), file.size());
  EXPECT_EQ(Le32(file, 10), 54u);
  EXPECT_EQ(Le32(file, 22), 2u) << "a positive height: bottom-up";
  EXPECT_EQ(file[28], 24);
  EXPECT_EQ(Le32(file, 30), 0u) << "no compression";
  // First stored row is the bottom (blue) row: bytes blue, green, red.
  EXPECT_EQ(file[54], 255);
  EXPECT_EQ(file[56], 0);
  EXPECT_EQ(file[54 + 12 + 2], 255) << "the top row, red, comes last";
  EXPECT_EQ(file[54 + 9], 0) << "padding bytes are zero";
}

TEST(BmpFile, WhatIsWrittenReadsBackAndOtherFormatsAreRefused) {
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < 37 * 22; ++i) rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(i >> 3)});
  auto file = EncodeBmp24(37, 22, rgb);
  BmpImage image;
  ASSERT_TRUE(DecodeBmp24(file, image));
  EXPECT_EQ(image.width, 37);
  EXPECT_EQ(image.height, 22);
  EXPECT_EQ(image.rgb, rgb);
  file[28] = 32;
  EXPECT_FALSE(DecodeBmp24(file, image));
  EXPECT_FALSE(DecodeBmp24({'B', 'M'}, image));
}

}  // namespace
}  // namespace zk40::art
