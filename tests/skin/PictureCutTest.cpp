// The part of a page picture an irregular button keeps: the same pixels, at
// the same places, as drawing from the whole picture.
#include <gtest/gtest.h>

#include "skin/PictureCut.h"

namespace zk40::skin {
namespace {

constexpr layout::Size kPage{959, 639};

TEST(PictureCut, ABoxInsideThePictureKeepsExactlyItsPixelsDrawnFromItsCorner) {
  const Rect tab{14, 88, 131, 121};
  EXPECT_EQ(CutUnder(tab, kPage), (PictureCut{tab, {0, 0}}));
  const Rect whole{0, 0, 959, 639};
  EXPECT_EQ(CutUnder(whole, kPage), (PictureCut{whole, {0, 0}})) << "the picture's own edges are inside";
}

TEST(PictureCut, ABoxReachingPastAnEdgeKeepsOnlyThePictureAndDrawsItWhereItWas) {
  // Past the right and bottom edges: the cut ends at the picture.
  EXPECT_EQ(CutUnder(Rect{900, 600, 1000, 700}, kPage), (PictureCut{{900, 600, 959, 639}, {0, 0}}));
  // Past the left and top edges: the cut starts at the picture, and lands
  // as far into the box as the box reaches out.
  EXPECT_EQ(CutUnder(Rect{-20, -5, 40, 30}, kPage), (PictureCut{{0, 0, 40, 30}, {20, 5}}));
  // Wider than the picture on both sides.
  EXPECT_EQ(CutUnder(Rect{-3, 10, 1000, 11}, kPage), (PictureCut{{0, 10, 959, 11}, {3, 0}}));
}

TEST(PictureCut, NothingUnderTheBoxGivesAnEmptyCut) {
  for (const Rect& box : {Rect{959, 0, 1000, 50},     // just right of the picture
                          Rect{0, 639, 50, 700},      // just below it
                          Rect{-50, -50, 0, 0},       // ends where the picture starts
                          Rect{100, 100, 100, 140},   // no width
                          Rect{100, 140, 200, 100}}) {  // turned inside out
    const PictureCut cut = CutUnder(box, kPage);
    EXPECT_TRUE(IsEmpty(cut.source)) << box.left << "," << box.top << "," << box.right << "," << box.bottom;
  }
  EXPECT_TRUE(IsEmpty(CutUnder(Rect{0, 0, 10, 10}, layout::Size{0, 0}).source)) << "a picture that failed to load";
}

}  // namespace
}  // namespace zk40::skin
