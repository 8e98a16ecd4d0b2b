#pragma once
// The tooltip of a skinned button: made when the mouse first comes to the
// button (a window full of buttons starts without a tooltip window each),
// with the button's client rectangle as its one tool.

#include <windows.h>

#include <string>

namespace zk40 {

class SkinTooltip {
 public:
  SkinTooltip() = default;
  ~SkinTooltip();
  SkinTooltip(const SkinTooltip&) = delete;
  SkinTooltip& operator=(const SkinTooltip&) = delete;

  // Keeps the text and whether the tip is active; a tooltip that exists
  // shows them at once, one made later takes them when it is made.
  void SetText(HWND button, const std::u16string& text, bool active);
  // Passes a message of the button on to the tooltip (made first if there is
  // none yet), so it sees the mouse come and go.
  void Relay(HWND button, const MSG& msg);
  HWND Handle() const { return tip_; }

 private:
  bool Ensure(HWND button);
  void Apply(HWND button);

  HWND tip_ = nullptr;
  bool has_tool_ = false;
  std::u16string text_;
  bool active_ = false;
};

// The window a button reports to: its owner, else its parent.
HWND OwnerOrParent(HWND window);

}  // namespace zk40
