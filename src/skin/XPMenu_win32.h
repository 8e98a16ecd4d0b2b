#pragma once
// CXPMenu: a popup menu whose items draw themselves (the tray icon's menu):
// an icon column and a text, in a light look with a framed highlight. The
// menu's owner receives the measure and draw requests of owner-drawn items;
// Track answers them for its own items while the menu is open, so the owner
// only handles the chosen command (WM_COMMAND).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Gdi.h"

namespace zk40 {

class CXPMenu {
 public:
  CXPMenu();
  ~CXPMenu();
  CXPMenu(const CXPMenu&) = delete;
  CXPMenu& operator=(const CXPMenu&) = delete;

  // Appends an owner-drawn item with command id `command`; its icon (16 x
  // 16, from the program's icon resource icon_id) serves the normal and the
  // highlighted look alike. A missing icon is simply not drawn.
  [[nodiscard]] bool AppendItem(UINT command, UINT icon_id, const std::u16string& text);
  HMENU GetSafeHmenu() const { return menu_; }

  // Shows the menu at a screen point for owner, with right-button tracking,
  // and returns when it closes; the chosen command reaches owner as WM_COMMAND.
  [[nodiscard]] bool Track(HWND owner, POINT screen);

  // The two owner-drawn requests for an item of this menu; false for other items.
  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

 private:
  struct Record;
  const Record* Find(ULONG_PTR item_data) const;
  static LRESULT CALLBACK OwnerProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<Record>> records_;
  Font font_;
};

}  // namespace zk40
