#include "MenuExWindow.h"

#include <algorithm>

namespace menuex {
namespace {

constexpr wchar_t kClassName[] = L"ZK40GameMenu";
constexpr int kTextPadding = 12;
constexpr int kFallbackWidth = 180;
constexpr COLORREF kPlainBackground = RGB(236, 238, 240);

enum Picture { kNormal, kOver, kDown, kDisabled };

struct Menu {
  HWND window = nullptr;
  HWND owner = nullptr;
  MenuLook look;
  std::vector<MenuItem> items;
  HBITMAP pictures[4] = {};
  int hovered = -1;
  int pressed = -1;
  bool tracking = false;
  HFONT font = nullptr;
};

Menu* g_menu = nullptr;

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

void FreeMenu(Menu* menu) {
  for (HBITMAP& b : menu->pictures) {
    if (b) DeleteObject(b);
  }
  if (menu->font) DeleteObject(menu->font);
  delete menu;
}

int ItemAt(const Menu& m, POINT p) {
  RECT client{};
  GetClientRect(m.window, &client);
  if (p.x < 0 || p.x >= client.right || p.y < 0) return -1;
  const int index = p.y / m.look.item_height;
  return index < static_cast<int>(m.items.size()) ? index : -1;
}

void Choose(Menu& m, int index) {
  if (index < 0 || !m.items[static_cast<std::size_t>(index)].enabled) return;
  PostMessageW(m.owner, zk40::msg::kGameChosen, 0, static_cast<LPARAM>(m.items[static_cast<std::size_t>(index)].id));
}

void DrawRow(const Menu& m, HDC dc, int index, const RECT& row) {
  const MenuItem& item = m.items[static_cast<std::size_t>(index)];
  const Picture kind = !item.enabled ? kDisabled : index == m.pressed ? kDown : index == m.hovered ? kOver : kNormal;
  const bool lit = kind == kOver || kind == kDown;
  if (HBITMAP picture = m.pictures[kind]) {
    BITMAP info{};
    GetObjectW(picture, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, row.left, row.top, row.right - row.left, row.bottom - row.top, memory, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  } else {
    HBRUSH brush = CreateSolidBrush(lit ? m.look.highlight : kPlainBackground);
    FillRect(dc, &row, brush);
    DeleteObject(brush);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, lit ? m.look.highlight_text : item.enabled ? m.look.text : RGB(128, 128, 128));
  RECT text = row;
  text.left += kTextPadding;
  text.right -= kTextPadding / 2;
  DrawTextW(dc, item.title.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void Paint(const Menu& m) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m.window, &ps);
  RECT client{};
  GetClientRect(m.window, &client);
  // Off-screen first, so hovering does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ oldCanvas = SelectObject(memory, canvas);
  HGDIOBJ oldFont = SelectObject(memory, m.font);
  for (int i = 0; i < static_cast<int>(m.items.size()); ++i) {
    const RECT row{0, i * m.look.item_height, client.right, (i + 1) * m.look.item_height};
    DrawRow(m, memory, i, row);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldFont);
  SelectObject(memory, oldCanvas);
  DeleteObject(canvas);
  DeleteDC(memory);
  EndPaint(m.window, &ps);
}

void SetHovered(Menu& m, int index) {
  if (index == m.hovered) return;
  m.hovered = index;
  InvalidateRect(m.window, nullptr, FALSE);
}

LRESULT CALLBACK MenuProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Menu* m = g_menu && g_menu->window == hwnd ? g_menu : nullptr;
  if (!m) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_PAINT:
      Paint(*m);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      if (!m->tracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        m->tracking = TrackMouseEvent(&track) != 0;
      }
      SetHovered(*m, ItemAt(*m, POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}));
      return 0;
    }
    case WM_MOUSELEAVE:
      m->tracking = false;
      m->pressed = -1;
      SetHovered(*m, -1);
      return 0;
    case WM_LBUTTONDOWN:
      m->pressed = ItemAt(*m, POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      const int index = ItemAt(*m, POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      const bool same = index == m->pressed;
      m->pressed = -1;
      InvalidateRect(hwnd, nullptr, FALSE);
      if (same) Choose(*m, index);
      return 0;
    }
    case WM_KEYDOWN: {
      const int count = static_cast<int>(m->items.size());
      if (wp == VK_DOWN) SetHovered(*m, (m->hovered + 1) % count);
      if (wp == VK_UP) SetHovered(*m, m->hovered <= 0 ? count - 1 : m->hovered - 1);
      if (wp == VK_RETURN) Choose(*m, m->hovered);
      if (wp == VK_ESCAPE) DestroyWindow(hwnd);
      return 0;
    }
    case WM_ACTIVATE:
      // The menu goes away as soon as the user works elsewhere.
      if (LOWORD(wp) == WA_INACTIVE) PostMessageW(hwnd, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_NCDESTROY:
      g_menu = nullptr;
      FreeMenu(m);
      return DefWindowProcW(hwnd, msg, wp, lp);
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

bool RegisterMenuClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MenuProcedure;
    wc.hInstance = ThisModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    wc.style = CS_DROPSHADOW;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

int MenuWidth(const Menu& m) {
  int width = 0;
  if (m.pictures[kNormal]) {
    BITMAP info{};
    GetObjectW(m.pictures[kNormal], sizeof info, &info);
    width = info.bmWidth;
  }
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, m.font);
  int text = 0;
  for (const MenuItem& item : m.items) {
    SIZE size{};
    GetTextExtentPoint32W(dc, item.title.c_str(), static_cast<int>(item.title.size()), &size);
    text = std::max(text, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  width = std::max(width, text + 2 * kTextPadding);
  return width > 0 ? width : kFallbackWidth;
}

}  // namespace

HWND MenuWindow() { return g_menu ? g_menu->window : nullptr; }

void CloseMenu() {
  if (g_menu && g_menu->window) DestroyWindow(g_menu->window);
}

bool OpenMenu(HWND owner, POINT topLeft, const MenuLook& look, std::vector<MenuItem> items) {
  CloseMenu();
  if (!RegisterMenuClass()) return false;
  auto* m = new Menu;
  m->owner = owner;
  m->look = look;
  m->items = std::move(items);
  for (int i = 0; i < 4; ++i) {
    if (!look.images[i].empty()) {
      m->pictures[i] = static_cast<HBITMAP>(LoadImageW(nullptr, look.images[i].c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    }
  }
  m->font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Arial");
  const int width = MenuWidth(*m);
  const int height = look.item_height * static_cast<int>(m->items.size());
  HWND root = GetAncestor(owner, GA_ROOT);
  g_menu = m;
  m->window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, topLeft.x, topLeft.y,
                              width, height, root, nullptr, ThisModule(), nullptr);
  if (!m->window) {
    g_menu = nullptr;
    FreeMenu(m);
    return false;
  }
  ShowWindow(m->window, SW_SHOW);
  SetForegroundWindow(m->window);
  SetFocus(m->window);
  return true;
}

}  // namespace menuex
