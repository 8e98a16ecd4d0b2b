#include "macros/ListItemData.h"

namespace zk40 {
namespace {

struct RowIcons {
  std::uint32_t kind;
  std::u16string_view normal;
  std::u16string_view selected;
};

constexpr RowIcons kRowIcons[] = {
    {2, u"up_normal.png", u"up_select.png"},
    {3, u"down_normal.png", u"down_select.png"},
    {4, u"delay_normal.png", u"delay_select.png"},
};

}  // namespace

RowLayout LayoutRow(std::uint32_t itemData, bool iconsShown, bool selected) {
  const std::uint32_t kind = ItemKindByte(itemData);
  RowLayout layout;
  if (!iconsShown || kind == 0) return layout;
  // Every other kind keeps the icon's room, so texts line up under each other.
  layout.text_left = kRowTextAfterIcon;
  for (const RowIcons& icons : kRowIcons) {
    if (icons.kind == kind) layout.icon_file = selected ? icons.selected : icons.normal;
  }
  return layout;
}

RowPaint PaintRow(bool selected, bool disabled, DrawAction action) {
  RowPaint paint;
  if (selected) {
    paint.fill = RowFill::selection;
  } else if (action == DrawAction::selection_changed) {
    paint.fill = RowFill::background;
  }
  paint.text = disabled ? RowTextColour::disabled : selected ? RowTextColour::selected : RowTextColour::normal;
  return paint;
}

std::optional<RowHover::Repaint> RowHover::MoveTo(int row, bool editorOpen) {
  if (editorOpen || row == row_) return std::nullopt;
  const Repaint repaint{row_, row};
  row_ = row;
  return repaint;
}

std::optional<RowHover::Repaint> RowHover::Leave() {
  if (row_ < 0) return std::nullopt;
  const Repaint repaint{row_, -1};
  row_ = -1;
  return repaint;
}

}  // namespace zk40
