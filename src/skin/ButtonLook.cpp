#include "skin/ButtonLook.h"

namespace zk40::skin {
namespace {

LookChoice PressedHoverOrNormal(bool pressed, bool hovering) {
  if (pressed) return {ButtonLook::down, TextRole::pressed};
  if (hovering) return {ButtonLook::over, TextRole::over};
  return {ButtonLook::normal, TextRole::normal};
}

}  // namespace

LookChoice ChooseBitmapButtonLook(const ButtonState& state) {
  const bool pressed = state.show_latched ? state.latched : state.selected;
  if (!pressed && !state.hovering && state.disabled) return {ButtonLook::disabled, TextRole::disabled};
  return PressedHoverOrNormal(pressed, state.hovering);
}

LookChoice ChooseIrregularButtonLook(const ButtonState& state) {
  if (!state.show_latched && state.disabled) return {ButtonLook::disabled, TextRole::normal};
  const bool pressed = state.show_latched ? state.latched : state.selected;
  return PressedHoverOrNormal(pressed, state.hovering);
}

ButtonLook PictureToDraw(ButtonLook wanted, const std::array<bool, 4>& present) {
  return present[static_cast<std::size_t>(wanted)] ? wanted : ButtonLook::normal;
}

Rect BitmapButtonCaptionRect(const Rect& client, int text_height) {
  const int top = (client.top + client.bottom) / 2 - text_height / 2;
  return {client.left + 8, top, client.right - 5, top + text_height};
}

bool CaptionTakesTwoLines(int text_width, const Rect& client, int text_height) {
  return text_width > BitmapButtonCaptionRect(client, text_height).Width() && client.Height() >= 2 * text_height;
}

Rect TwoLineCaptionRect(const Rect& client, int text_height) {
  const int top = (client.top + client.bottom) / 2 - text_height;
  return {client.left + 3, top, client.right - 3, top + 2 * text_height};
}

Point IrregularCaptionOrigin(Point centre, std::size_t length) {
  const int n = static_cast<int>(length);
  return {centre.x - (length > 5 ? 3 * n : 6 * n) + 5, centre.y - 6};
}

Point CentreOf(const Rect& box) { return {box.left + box.Width() / 2, box.top + box.Height() / 2}; }

}  // namespace zk40::skin
