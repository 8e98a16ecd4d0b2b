#include "macros/GameMenuLibrary_win32.h"

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

struct Exports {
  HMODULE module = nullptr;
  CreateMenuExFunction create = nullptr;
  DestroyMenuExFunction destroy = nullptr;
  DllPreTranslateMessageFunction preTranslate = nullptr;
  bool tried = false;
};

Exports& TheExports() {
  static Exports exports;
  return exports;
}

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

bool GameMenuLibrary::Load() {
  Exports& e = TheExports();
  if (!e.tried) {
    e.tried = true;
    e.module = LoadLibraryW(L"MenuEx.dll");
    if (e.module) {
      e.preTranslate = Lookup<DllPreTranslateMessageFunction>(e.module, "DllPreTranslateMessage");
      e.create = Lookup<CreateMenuExFunction>(e.module, "CreateMenuEx");
      e.destroy = Lookup<DestroyMenuExFunction>(e.module, "DestroyMenuEx");
    }
  }
  return Loaded();
}

bool GameMenuLibrary::Loaded() {
  const Exports& e = TheExports();
  return e.create && e.destroy;
}

int GameMenuLibrary::CreateMenu(HWND owner, int itemHeight, POINT topLeft, COLORREF text, COLORREF highlightText,
                                COLORREF highlight, const std::array<std::u16string, kGameMenuImageCount>& images,
                                const GameMenuEntry* entries, int count) {
  const Exports& e = TheExports();
  if (!e.create) return 0;
  return e.create(owner, itemHeight, topLeft, text, highlightText, highlight, Wide(images[0]), Wide(images[1]),
                  Wide(images[2]), Wide(images[3]), Wide(images[4]), Wide(images[5]), Wide(images[6]),
                  Wide(images[7]), entries, count);
}

void GameMenuLibrary::DestroyMenu() {
  const Exports& e = TheExports();
  if (e.destroy) e.destroy();
}

}  // namespace zk40
