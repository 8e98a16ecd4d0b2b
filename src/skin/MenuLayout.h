#pragma once
// The arithmetic of the program's two kinds of menu: the picture menu on a
// popup window (the language menu), with its item places and the rules of
// its hover highlight, and the owner-drawn items of the tray menu.

#include <optional>
#include <span>

#include "skin/Geometry.h"

namespace zk40::skin {

// --- Picture menu -----------------------------------------------------------

// Item index's place in the popup; items stack from the top.
Rect PictureMenuItemRect(int index);
// The popup's client rectangle for item_count items.
Rect PictureMenuClientRect(int item_count);
// Where an item's text goes (one line, vertically centred, cut with an ellipsis).
Rect PictureMenuTextRect(const Rect& item);
// The top-left corner of an item's picture: centred in the picture column
// and vertically in the item, unscaled.
Point PictureMenuPicturePlace(const Rect& item, int picture_width, int picture_height);

// Which item is highlighted, following the cursor.
class PictureMenuHover {
 public:
  int Hovered() const { return hovered_; }

  // The cursor moved to p: the first item containing p becomes the hovered
  // one, none when no item does. True when the highlight changed.
  bool MouseMoved(std::span<const Rect> items, Point p);

  struct Release {
    bool redraw = false;
    std::optional<int> chosen;  // the item clicked
  };
  // The button went up at p: choosing the hovered item when p is still on
  // it, else clearing the highlight. Nothing happens with no item hovered.
  Release ButtonReleased(std::span<const Rect> items, Point p);

 private:
  int hovered_ = -1;
};

// --- Tray menu items --------------------------------------------------------

struct TrayMenuItemLook {
  bool framed = false;  // a one-pixel frame around the item (highlighted only)
  Rect fill;
  Point icon;  // top-left corner of the 16 x 16 icon
  Rect text;   // one line, centred both ways, cut with an ellipsis
  friend bool operator==(const TrayMenuItemLook&, const TrayMenuItemLook&) = default;
};
TrayMenuItemLook LayOutTrayMenuItem(const Rect& item, bool highlighted);

}  // namespace zk40::skin
