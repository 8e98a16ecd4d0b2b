// popup_probe MODE: the program's menus under real input. The owner window
// covers (0, 0)-(400, 400) of the screen in a solid grey. Prints one line each:
// MODE "language" [framed]: the language menu, opened twice in a row (with
//   a frame picture of the tests' own when "framed"):
//   ready X Y W H      the menu's screen rectangle
//   notify WP LP       message 1025 reached the owner; on a choice the owner
//                      closes the menu, as the main window does
//   gone               the menu's window is destroyed
// MODE "tray": the tray-style menu with "Config" and "Exit":
//   item I L T R B     screen rectangle of item I once the menu is open
//   select ID          the highlight moved to the item with command ID
//   command ID         the command chosen
//   done               the menu closed
// Ends after 30 seconds, or when the second language menu / the tray menu is gone.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "platform/WindowMessages.h"
#include "skin/GdiPlus_win32.h"
#include "skin/MenuEx_win32.h"
#include "skin/XPMenu_win32.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/SkinResourceIds.h"
#include "support/TestPictures_win32.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kFindMenuTimer = 1;

void Print(const char* format, long a = 0, long b = 0, long c = 0, long d = 0, long e = 0) {
  std::printf(format, a, b, c, d, e);
  std::fflush(stdout);
}

// A 65 x 65 frame: transparent corners, a cyan ring, a dark inside.
GdiPlusImage TestFrame() {
  return test::MakeArgbImage(65, 65, [](int x, int y) -> ARGB {
    const int dx = x < 32 ? 32 - x : x - 32, dy = y < 32 ? 32 - y : y - 32;
    if (dx > 28 && dy > 28) return 0x00000000;  // corners
    if (dx > 30 || dy > 30) return 0xFF0093D1;
    return 0xFF202428;
  });
}

class Owner final : public CWnd {
 public:
  CMenuExA* menu = nullptr;
  HWND menu_window = nullptr;
  CXPMenu* tray = nullptr;

 protected:
  bool OnEraseBkgnd(HDC dc) override {
    const RECT r = GetClientRect();
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) override {
    if (msg != msg::kApplyLanguage) return false;
    Print("notify %ld %ld\n", static_cast<long>(wp), static_cast<long>(lp));
    // A choice closes the menu from inside its own click handling.
    if (lp != 0 && menu_window && IsWindow(menu_window)) ::DestroyWindow(menu_window);
    return true;
  }
  bool OnCommand(int id, int, HWND) override {
    Print("command %ld\n", id);
    return true;
  }
  bool OnTimer(UINT_PTR id) override {
    if (id != kFindMenuTimer || !tray) return false;
    HWND open = FindWindowW(L"#32768", nullptr);
    if (!open || !::IsWindowVisible(open)) return true;
    KillTimer(kFindMenuTimer);
    for (int i = 0; i < 2; ++i) {
      RECT r{};
      GetMenuItemRect(nullptr, tray->GetSafeHmenu(), static_cast<UINT>(i), &r);
      Print("item %ld %ld %ld %ld %ld\n", i, r.left, r.top, r.right, r.bottom);
    }
    return true;
  }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_MENUSELECT && HIWORD(wp) != 0xFFFF) Print("select %ld\n", LOWORD(wp));
    return CWnd::OnMessage(msg, wp, lp, result);
  }
};

void Pump(DWORD milliseconds, HWND watched) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds && (!watched || IsWindow(watched))) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

int RunLanguage(Owner& owner, bool framed) {
  for (int round = 0; round < 2; ++round) {
    owner.menu = new CMenuExA();
    if (framed) {
      owner.menu->SetFramePicture(TestFrame());
    } else {
      owner.menu->SetFramePicture(static_cast<UINT>(layout::kPopupFramePng));  // none in this program
    }
    const RECT at{150, 60, 266, 333};
    if (!owner.menu->Create(owner.GetSafeHwnd(), at, msg::kApplyLanguage)) return 1;
    owner.menu_window = owner.menu->GetSafeHwnd();
    Pump(200, nullptr);
    RECT r{};
    GetWindowRect(owner.menu_window, &r);
    Print("ready %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    Pump(30000, owner.menu_window);
    if (IsWindow(owner.menu_window)) return 1;
    Print("gone\n");
    owner.menu = nullptr;
  }
  return 0;
}

int RunTray(Owner& owner) {
  CXPMenu menu;
  if (!menu.AppendItem(layout::tray_menu::kConfigCommand, layout::kTrayConfigIcon, u"Config") ||
      !menu.AppendItem(layout::tray_menu::kExitCommand, layout::kTrayExitIcon, u"Exit")) {
    return 1;
  }
  owner.tray = &menu;
  owner.SetTimer(kFindMenuTimer, 50);
  if (!menu.Track(owner.GetSafeHwnd(), POINT{200, 150})) return 1;
  Pump(200, nullptr);  // the chosen command arrives after the menu closed
  Print("done\n");
  return 0;
}

}  // namespace
}  // namespace zk40

int main(int argc, char** argv) {
  zk40::GdiPlusSession gdiplus;
  zk40::Owner owner;
  zk40::WindowCreateArgs args;
  args.title = u"popup probe";
  args.style = WS_POPUP | WS_VISIBLE;
  args.rect = RECT{0, 0, 400, 400};
  if (!owner.Create(args)) return 1;
  SetForegroundWindow(owner.GetSafeHwnd());
  zk40::Pump(200, nullptr);
  const char* mode = argc > 1 ? argv[1] : "language";
  if (std::strcmp(mode, "tray") == 0) return zk40::RunTray(owner);
  return zk40::RunLanguage(owner, argc > 2 && std::strcmp(argv[2], "framed") == 0);
}
