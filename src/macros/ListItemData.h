#pragma once
// The rules of the owner-drawn list used by the macro page and the function
// chooser that do not need a window: how a row's 32-bit item data packs a row
// kind with a value, where a row's icon and text go, how a row is filled for
// each drawing action, and which rows a hover change repaints.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zk40 {

// Row kinds. Kind 0 rows keep the caller's full 32-bit value (a macro id with
// its game-group byte); the others keep 24 bits of value under the kind.
enum class RowKind : std::uint8_t { plain = 0, indented = 1, key_release = 2, key_press = 3, delay = 4 };

inline constexpr std::uint32_t kRowValueMask = 0xFFFFFF;

constexpr std::uint32_t PackItemData(RowKind kind, std::uint32_t value) {
  if (kind == RowKind::plain) return value;
  return static_cast<std::uint32_t>(kind) << 24 | (value & kRowValueMask);
}

// Only meaningful for lists whose rows all carry a kind (the step list): a
// plain row's top byte is part of its value.
constexpr std::uint32_t ItemKindByte(std::uint32_t data) { return data >> 24; }
constexpr std::uint32_t ItemValue(std::uint32_t data) { return data & kRowValueMask; }

// Geometry of one row, relative to the row's left edge.
inline constexpr int kRowTextInset = 5;
inline constexpr int kRowIconSize = 16;
inline constexpr int kRowIconLeft = 5;
inline constexpr int kRowIconTop = 1;
inline constexpr int kRowTextAfterIcon = kRowIconSize + 10;

struct RowLayout {
  std::u16string_view icon_file;  // empty: no icon is drawn
  int text_left = kRowTextInset;  // offset from the row's left edge
};

// Where a row's icon and text go. iconsShown is the list's flag, set by
// every add from the added row's kind.
RowLayout LayoutRow(std::uint32_t itemData, bool iconsShown, bool selected);

// How a row is filled before its text is drawn.
enum class DrawAction { draw_entire, selection_changed, focus_changed };
enum class RowFill { none, selection, background };
enum class RowTextColour { normal, selected, disabled };

struct RowPaint {
  RowFill fill = RowFill::none;
  RowTextColour text = RowTextColour::normal;
};

// A selected row is filled alike for every action, with or without the focus.
RowPaint PaintRow(bool selected, bool disabled, DrawAction action);

// The hovered row: which rows need a repaint when the cursor moves. Nothing
// changes while the in-place editor is open.
class RowHover {
 public:
  struct Repaint {
    int previous;  // -1: none
    int current;   // -1: none
  };
  // row: the row under the cursor, -1 when none.
  std::optional<Repaint> MoveTo(int row, bool editorOpen);
  // The cursor left the list: tracking ends, the hovered row is forgotten.
  std::optional<Repaint> Leave();
  int Row() const { return row_; }

 private:
  int row_ = -1;
};

}  // namespace zk40
