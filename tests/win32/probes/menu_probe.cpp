// menu_probe [IMAGE_FOLDER]: opens the 21-entry game menu below (100, 100)
// (with the row pictures of IMAGE_FOLDER, if given), prints "ready X Y H",
// then "chosen ID" for the first choice it receives, or "menu gone" when the
// menu closed by itself. Exits 0 after either, 1 when neither came within 20 seconds.
#include <cstdio>

#include "macros/GameMenuLibrary_win32.h"

namespace {

int g_chosen = -1;

LRESULT CALLBACK OwnerProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == zk40::msg::kGameChosen) {
    g_chosen = static_cast<int>(lp);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
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
  std::array<std::u16string, zk40::kGameMenuImageCount> images{};  // none: plain drawing
  if (argc > 1) {
    static const char* const kNames[] = {"MenuNorL.BMP",       "MenuOverL.BMP",      "MenuDownL.BMP",
                                         "MenuNorL.BMP",       "MenuNorHaveSub.BMP", "MenuOverHaveSub.BMP",
                                         "MenuDownHaveSub.BMP", "MenuNorHaveSub.BMP"};
    for (int i = 0; i < zk40::kGameMenuImageCount; ++i) {
      const std::string path = std::string(argv[1]) + "\\" + kNames[i];
      images[static_cast<std::size_t>(i)] = std::u16string(path.begin(), path.end());
    }
  }
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
    if (!FindWindowW(L"ZK40GameMenu", nullptr)) {
      std::printf("menu gone\n");
      return 0;
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
