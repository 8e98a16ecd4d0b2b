#pragma once
// Which picture and which text colour a skinned button draws, and where its
// caption goes.

#include <array>
#include <cstddef>

#include "skin/Geometry.h"

namespace zk40::skin {

// The four pictures of a button, in this order wherever they are kept.
enum class ButtonLook { normal, over, down, disabled };
enum class TextRole { normal, over, pressed, disabled };

struct LookChoice {
  ButtonLook picture;
  TextRole text;
  friend bool operator==(const LookChoice&, const LookChoice&) = default;
};

struct ButtonState {
  bool show_latched = false;  // the look follows latched, not the mouse
  bool latched = false;
  bool selected = false;      // the platform reports the button pushed
  bool hovering = false;
  bool disabled = false;
};

// Bitmap button: pressed (latched with show-latched, else selected) → down;
// hovering → over; disabled → disabled; else normal.
LookChoice ChooseBitmapButtonLook(const ButtonState& state);
// Irregular button: with show-latched pressed exactly when latched; else
// disabled first (disabled picture, normal text), then selected. Then
// pressed → down, hovering → over, else normal.
LookChoice ChooseIrregularButtonLook(const ButtonState& state);

// The picture actually drawn: a look whose picture is missing shows the
// normal picture, so a skin without its Over picture shows no hover change.
ButtonLook PictureToDraw(ButtonLook wanted, const std::array<bool, 4>& present);

// The caption of a bitmap button of the given client rectangle: from 8
// pixels right of the left edge to 5 left of the right edge, its top at the
// vertical middle minus half the text height.
Rect BitmapButtonCaptionRect(const Rect& client, int text_height);

// A caption wider than its one-line box wraps onto two lines, centred in the
// whole button less 3 pixels at each side, when the button is tall enough
// for them; otherwise it stays on one line and ends in an ellipsis.
bool CaptionTakesTwoLines(int text_width, const Rect& client, int text_height);
Rect TwoLineCaptionRect(const Rect& client, int text_height);

// Where the caption of an irregular button starts, in parent coordinates:
// x = centre x - (3 x length if longer than 5 characters, else 6 x length) + 5,
// y = centre y - 6.
Point IrregularCaptionOrigin(Point centre, std::size_t length);

// The centre of a bounding box, as irregular buttons keep it.
Point CentreOf(const Rect& box);

}  // namespace zk40::skin
