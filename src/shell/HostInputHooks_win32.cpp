#include "shell/HostInputHooks_win32.h"

#include <utility>

namespace zk40 {
namespace {

// Only functions that cannot block or throw may be called from the hook
// procedures; the compiler holds the decisions to that.
static_assert(noexcept(std::declval<HookState&>().OnMouseEvent(0u, 0u)));
static_assert(noexcept(std::declval<const HookState&>().OnKeyEvent(0u, 0u)));

HookState* g_state = nullptr;
HHOOK g_keyboard = nullptr;
HHOOK g_mouse = nullptr;

void Carry(const HookDecision& decision) {
  HWND target = ToHwnd(decision.target);
  if (!target) return;
  for (int i = 0; i < decision.post_count; ++i) {
    const HookPost& post = decision.posts[static_cast<std::size_t>(i)];
    PostMessageW(target, post.message, post.wparam, static_cast<LPARAM>(post.lparam));
  }
}

LRESULT CALLBACK MouseProcedure(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && g_state) {
    const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp);
    const HookDecision decision = g_state->OnMouseEvent(static_cast<std::uint32_t>(wp), event->mouseData);
    Carry(decision);
    if (decision.swallow) return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && g_state) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    Carry(g_state->OnKeyEvent(event->vkCode, event->flags));
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

bool HostInputHooks::InstallHooks(HookState& state, HWND window) {
  RemoveHooks();
  g_state = &state;
  state.Installed(ToWindowId(window));
  HINSTANCE module = GetModuleHandleW(nullptr);
  g_keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProcedure, module, 0);
  g_mouse = SetWindowsHookExW(WH_MOUSE_LL, MouseProcedure, module, 0);
  return g_keyboard && g_mouse;
}

void HostInputHooks::RemoveHooks() {
  if (g_keyboard) UnhookWindowsHookEx(g_keyboard);
  if (g_mouse) UnhookWindowsHookEx(g_mouse);
  g_keyboard = g_mouse = nullptr;
}

bool HostInputHooks::Installed() { return g_keyboard && g_mouse; }

}  // namespace zk40
