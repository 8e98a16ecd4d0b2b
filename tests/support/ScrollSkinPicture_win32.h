#pragma once
// A scroll-bar skin made by the tests: 9 x 3 cells of `cell` pixels, each
// cell one solid colour that names its column and row, so a pixel read back
// from the screen tells which part was drawn in which look.

#include <windows.h>

#include "framework/Gdi.h"

namespace zk40::test {

COLORREF ScrollSkinColour(int column, int row);
Bitmap MakeScrollSkin(int cell);

}  // namespace zk40::test
