#include "support/ScrollSkinPicture_win32.h"

#include "support/TestPictures_win32.h"

namespace zk40::test {

COLORREF ScrollSkinColour(int column, int row) {
  return RGB(30 * column + 10, 80 * row + 20, 200);
}

Bitmap MakeScrollSkin(int cell) {
  // One spare pixel column, as in a skin whose width is not a multiple of 9.
  return MakeBitmap(9 * cell + 1, 3 * cell, [cell](int x, int y) { return ScrollSkinColour(x / cell, y / cell); });
}

}  // namespace zk40::test
