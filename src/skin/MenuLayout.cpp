#include "skin/MenuLayout.h"

#include "skin/layout/PopupMenuLayout.h"

namespace zk40::skin {
namespace {

namespace pm = layout::picture_menu;
namespace tm = layout::tray_menu;

Rect FromLayout(const layout::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

int FirstItemAt(std::span<const Rect> items, Point p) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].Contains(p)) return static_cast<int>(i);
  }
  return -1;
}

bool Holds(std::span<const Rect> items, int index, Point p) {
  return index >= 0 && static_cast<std::size_t>(index) < items.size() && items[static_cast<std::size_t>(index)].Contains(p);
}

}  // namespace

Rect PictureMenuItemRect(int index) { return FromLayout(pm::ItemRect(index)); }

Rect PictureMenuClientRect(int item_count) {
  const layout::Size size = pm::WindowSize(item_count);
  return {0, 0, size.width, size.height};
}

Rect PictureMenuTextRect(const Rect& item) {
  return {item.left + pm::kTextIndent, item.top, item.left + pm::kTextRightFromLeft, item.bottom};
}

Point PictureMenuPicturePlace(const Rect& item, int picture_width, int picture_height) {
  return {(pm::kPictureColumn - picture_width) / 2 + item.left, (item.Height() - picture_height) / 2 + item.top};
}

bool PictureMenuHover::MouseMoved(std::span<const Rect> items, Point p) {
  if (Holds(items, hovered_, p)) return false;
  const int before = hovered_;
  hovered_ = FirstItemAt(items, p);
  return hovered_ != before;
}

PictureMenuHover::Release PictureMenuHover::ButtonReleased(std::span<const Rect> items, Point p) {
  Release release;
  if (hovered_ < 0) return release;
  if (!Holds(items, hovered_, p)) {
    hovered_ = -1;
    release.redraw = true;
    return release;
  }
  release.chosen = hovered_;
  return release;
}

TrayMenuItemLook LayOutTrayMenuItem(const Rect& item, bool highlighted) {
  TrayMenuItemLook look;
  look.text = {item.left + tm::kTextIndent, item.top, item.right, item.bottom};
  if (highlighted) {
    look.framed = true;
    look.fill = {item.left + 1, item.top + 1, item.right - 1, item.bottom - 1};
    look.icon = {item.left + 2, item.top + 2};
  } else {
    look.fill = item;
    look.icon = {item.left + 3, item.top + 3};
  }
  return look;
}

}  // namespace zk40::skin
