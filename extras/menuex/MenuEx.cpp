// MenuEx.dll: the game menu of the driver's macro page.
#include <windows.h>

#include "MenuExWindow.h"

namespace {

const wchar_t* OrEmpty(const wchar_t* text) { return text ? text : L""; }

}  // namespace

extern "C" {

__declspec(dllexport) int __cdecl CreateMenuEx(HWND owner, int itemHeight, POINT topLeft, COLORREF text,
                                               COLORREF highlightText, COLORREF highlight, const wchar_t* image1,
                                               const wchar_t* image2, const wchar_t* image3, const wchar_t* image4,
                                               const wchar_t* image5, const wchar_t* image6, const wchar_t* image7,
                                               const wchar_t* image8, const zk40::GameMenuEntry* entries, int count) {
  if (!owner || !entries || count <= 0 || count > 256) return 0;
  menuex::MenuLook look;
  look.item_height = itemHeight > 0 && itemHeight < 200 ? itemHeight : zk40::kGameMenuItemHeight;
  look.text = text;
  look.highlight_text = highlightText;
  look.highlight = highlight;
  const wchar_t* images[] = {image1, image2, image3, image4, image5, image6, image7, image8};
  for (int i = 0; i < zk40::kGameMenuImageCount; ++i) look.images[i] = OrEmpty(images[i]);
  std::vector<menuex::MenuItem> items;
  for (int i = 0; i < count; ++i) {
    const zk40::GameMenuEntry& e = entries[i];
    std::wstring title;
    for (std::size_t k = 0; k < zk40::kGameMenuTitleUnits && e.title[k]; ++k) title.push_back(static_cast<wchar_t>(e.title[k]));
    items.push_back({e.id & 0xFF, (e.flag & 0xFF) != 0, title});
  }
  return menuex::OpenMenu(owner, topLeft, look, std::move(items)) ? 1 : 0;
}

__declspec(dllexport) void __cdecl DestroyMenuEx() { menuex::CloseMenu(); }

// Escape closes the open menu wherever the focus is.
__declspec(dllexport) BOOL __cdecl DllPreTranslateMessage(MSG* msg) {
  if (!msg || !menuex::MenuWindow()) return FALSE;
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    menuex::CloseMenu();
    return TRUE;
  }
  return FALSE;
}

}  // extern "C"
