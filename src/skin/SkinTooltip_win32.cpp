#include "skin/SkinTooltip_win32.h"

#include <commctrl.h>

#include "platform/WideText_win32.h"

namespace zk40 {

SkinTooltip::~SkinTooltip() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

bool SkinTooltip::Ensure(HWND button) {
  if (tip_ && IsWindow(tip_)) return true;
  static const bool registered = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)registered;
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, button, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
  has_tool_ = false;
  if (tip_) Apply(button);
  return tip_ != nullptr;
}

void SkinTooltip::SetText(HWND button, const std::u16string& text, bool active) {
  text_ = text;
  active_ = active;
  if (tip_ && IsWindow(tip_)) Apply(button);
}

void SkinTooltip::Apply(HWND button) {
  SendMessageW(tip_, TTM_ACTIVATE, active_, 0);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = button;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(Wide(text_));
  if (!has_tool_) {
    GetClientRect(button, &tool.rect);
    has_tool_ = SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  }
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SkinTooltip::Relay(HWND button, const MSG& msg) {
  if (!Ensure(button)) return;
  MSG copy = msg;
  SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

HWND OwnerOrParent(HWND window) {
  HWND owner = GetWindow(window, GW_OWNER);
  return owner ? owner : GetParent(window);
}

}  // namespace zk40
