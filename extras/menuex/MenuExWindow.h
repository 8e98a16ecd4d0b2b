#pragma once
// The popup list of MenuEx.dll: one entry per row below a point, drawn from
// the row pictures when they load and with plain colours otherwise.
#include <windows.h>

#include <string>
#include <vector>

#include "macros/GameMenuEntry.h"

namespace menuex {

struct MenuLook {
  int item_height = zk40::kGameMenuItemHeight;
  COLORREF text = RGB(83, 97, 103);
  COLORREF highlight_text = RGB(255, 255, 255);
  COLORREF highlight = RGB(21, 140, 185);
  // Row pictures: normal, hovered, pressed, disabled; then the same four for
  // rows that open a submenu.
  std::wstring images[zk40::kGameMenuImageCount];
};

struct MenuItem {
  std::uint32_t id;
  bool enabled;
  std::wstring title;
};

// Opens the menu (closing one that is open); false when no window could be made.
bool OpenMenu(HWND owner, POINT topLeft, const MenuLook& look, std::vector<MenuItem> items);
void CloseMenu();
// The open menu's window, or null.
HWND MenuWindow();

}  // namespace menuex
