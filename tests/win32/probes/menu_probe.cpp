// menu_probe: opens the 21-entry game menu below (100, 100), prints
// "ready X Y H", and prints "chosen ID" for the first choice it receives.
// Exits 0 after a choice, 1 when none came within 20 seconds.
#include <cstdio>

#include "macros/GameMenuLibrary_win32.h"

namespace {

int g_chosen = -1;

LRESULT CALLBACK OwnerProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == zk40::kGameMenuChoiceMessage) {
    g_chosen = static_cast<int>(lp);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int main() {
  // Harmless before the library is loaded and with no menu open.
  zk40::GameMenuLibrary::DestroyMenu();
  if (!zk40::GameMenuLibrary::Load()) {
    std::printf("no library\n");
    return 1;
  }
  zk40::GameMenuLibrary::DestroyMenu();

  WNDCLASSW wc{};
  wc.lpfnWndProc = OwnerProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MenuProbeOwner";
  RegisterClassW(&wc);
  HWND owner = CreateWindowExW(0, wc.lpszClassName, L"menu probe", WS_POPUP | WS_VISIBLE, 0, 0, 60, 60, nullptr,
                               nullptr, wc.hInstance, nullptr);

  zk40::GameMenuEntry entries[21] = {};
  for (int i = 0; i < 21; ++i) {
    entries[i].flag = zk40::kGameMenuEntryFlag;
    entries[i].id = static_cast<std::uint32_t>(i + 1);
    const std::u16string title = u"Game " + std::u16string(1, static_cast<char16_t>(u'A' + i));
    for (std::size_t k = 0; k < title.size(); ++k) entries[i].title[k] = title[k];
  }
  const POINT at{100, 100};
  const std::array<std::u16string, zk40::kGameMenuImageCount> images{};  // none: plain drawing
  if (!zk40::GameMenuLibrary::CreateMenu(owner, 24, at, RGB(0x53, 0x61, 0x67), RGB(255, 255, 255),
                                         RGB(0x15, 0x8C, 0xB9), images, entries, 21)) {
    std::printf("no menu\n");
    return 1;
  }
  std::printf("ready %ld %ld %d\n", at.x, at.y, 24);
  std::fflush(stdout);

  const DWORD start = GetTickCount();
  MSG msg;
  while (g_chosen < 0 && GetTickCount() - start < 20000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
  if (g_chosen < 0) {
    std::printf("timeout\n");
    return 1;
  }
  std::printf("chosen %d\n", g_chosen);
  zk40::GameMenuLibrary::DestroyMenu();
  zk40::GameMenuLibrary::DestroyMenu();
  std::printf("closed\n");
  return 0;
}
