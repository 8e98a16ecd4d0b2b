#pragma once
// CMenuEx: a menu of picture-and-text items on a popup window. The item
// under the cursor is highlighted; a click on it sends the popup's notify
// message to the parent with wParam 0 and the item's value. CMenuExA is the
// main window's language menu: the twelve languages with their small flags.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/Geometry.h"
#include "skin/MenuLayout.h"
#include "skin/WndPopup_win32.h"

namespace zk40 {

class CMenuEx : public CWndPopup {
 public:
  struct Item {
    std::uint32_t value = 0;
    GdiPlusImage picture;  // empty when the resource is missing
    std::u16string text;
    skin::Rect rect;
  };

  // Appends an item whose picture is the PNG resource resource_id (of
  // module, the program when null), and lays the items out again.
  void AddItem(const std::u16string& text, UINT resource_id, std::uint32_t value, HMODULE module = nullptr);
  const std::vector<Item>& Items() const { return items_; }
  // The highlighted item, -1 for none.
  int Hovered() const { return hover_.Hovered(); }

 protected:
  void DrawContent(HDC dc) override;
  void DrawPictures(GpGraphics* graphics) override;
  bool MouseMoved(POINT point) override;
  bool ButtonReleased(POINT point) override;

 private:
  std::vector<skin::Rect> ItemRects() const;

  std::vector<Item> items_;
  skin::PictureMenuHover hover_;
};

class CMenuExA final : public CMenuEx {
 protected:
  void FillItems() override;
};

}  // namespace zk40
