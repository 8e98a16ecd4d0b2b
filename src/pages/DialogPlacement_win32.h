#pragma once
// Where the program's small modal dialogs (the notice, the upload progress)
// open, and the conversion of the layout tables' rectangles.

#include <windows.h>

#include "skin/layout/LayoutTypes.h"

namespace zk40 {

inline RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Sizes window to width x height, centred on the screen's full-screen area.
void CentreDialog(HWND window, int width, int height);

// Sizes window to width x height in the bottom-right corner of the work
// area, 10 pixels from its right edge.
void PlaceDialogBottomRight(HWND window, int width, int height);

}  // namespace zk40
