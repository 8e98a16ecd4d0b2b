#pragma once
// The tooltip of a skinned button: made on first use, with the button's
// client rectangle as its one tool.

#include <windows.h>

#include <string>

namespace zk40 {

class SkinTooltip {
 public:
  SkinTooltip() = default;
  ~SkinTooltip();
  SkinTooltip(const SkinTooltip&) = delete;
  SkinTooltip& operator=(const SkinTooltip&) = delete;

  // Creates the tooltip if needed, (de)activates it, adds the tool once and
  // sets its text.
  void SetText(HWND button, const std::u16string& text, bool active);
  // Passes a message of the button on to the tooltip (made inactive first if
  // there is none yet), so it sees the mouse come and go.
  void Relay(HWND button, const MSG& msg);
  HWND Handle() const { return tip_; }

 private:
  bool Ensure(HWND button);

  HWND tip_ = nullptr;
  bool has_tool_ = false;
};

// The window a button reports to: its owner, else its parent.
HWND OwnerOrParent(HWND window);

}  // namespace zk40
