#include "skin/XPMenu_win32.h"

#include <commctrl.h>

#include "platform/WideText_win32.h"
#include "skin/MenuLayout.h"
#include "skin/layout/PopupMenuLayout.h"

namespace zk40 {
namespace {

namespace tray = layout::tray_menu;

constexpr UINT_PTR kOwnerSubclassId = 0x5A4B5D;
constexpr int kIconSize = 16;

COLORREF ColorOf(layout::Rgb c) { return RGB(c.r, c.g, c.b); }

class Icon {
 public:
  explicit Icon(UINT id)
      : icon_(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, kIconSize, kIconSize, 0))) {}
  ~Icon() {
    if (icon_) DestroyIcon(icon_);
  }
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

}  // namespace

// What each owner-drawn item carries: the icons of its two looks and its text.
struct CXPMenu::Record {
  Record(UINT normal_id, UINT highlighted_id, std::u16string label)
      : normal_icon(normal_id), highlighted_icon(highlighted_id), text(std::move(label)) {}
  Icon normal_icon;
  Icon highlighted_icon;
  std::u16string text;
};

CXPMenu::CXPMenu()
    : menu_(CreatePopupMenu()),
      font_(CreateFontW(14, 0, 0, 0, 500, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial")) {}

CXPMenu::~CXPMenu() {
  if (menu_) DestroyMenu(menu_);
}

bool CXPMenu::AppendItem(UINT command, UINT icon_id, const std::u16string& text) {
  if (!menu_) return false;
  auto record = std::make_unique<Record>(icon_id, icon_id, text);
  const auto data = reinterpret_cast<LPCWSTR>(record.get());
  if (!AppendMenuW(menu_, MF_OWNERDRAW, command, data)) return false;
  records_.push_back(std::move(record));
  return true;
}

const CXPMenu::Record* CXPMenu::Find(ULONG_PTR item_data) const {
  for (const auto& record : records_) {
    if (reinterpret_cast<ULONG_PTR>(record.get()) == item_data) return record.get();
  }
  return nullptr;
}

bool CXPMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  if (measure.CtlType != ODT_MENU || !Find(measure.itemData)) return false;
  measure.itemWidth = tray::kItemSize.width;
  measure.itemHeight = tray::kItemSize.height;
  return true;
}

bool CXPMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
  const Record* record = draw.CtlType == ODT_MENU ? Find(draw.itemData) : nullptr;
  if (!record) return false;
  HDC dc = draw.hDC;
  const RECT& r = draw.rcItem;
  const bool highlighted = (draw.itemState & ODS_SELECTED) != 0;
  const skin::TrayMenuItemLook look = skin::LayOutTrayMenuItem(skin::Rect{r.left, r.top, r.right, r.bottom}, highlighted);
  if (look.framed) {
    Brush frame(CreateSolidBrush(ColorOf(tray::kHighlightFrame)));
    FrameRect(dc, &r, frame.get());
  }
  Brush fill(CreateSolidBrush(ColorOf(highlighted ? tray::kHighlightFill : tray::kFill)));
  const RECT fill_rect{look.fill.left, look.fill.top, look.fill.right, look.fill.bottom};
  FillRect(dc, &fill_rect, fill.get());
  HICON icon = highlighted ? record->highlighted_icon.get() : record->normal_icon.get();
  if (icon) DrawIconEx(dc, look.icon.x, look.icon.y, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  SelectInDC font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorOf(highlighted ? tray::kHighlightText : tray::kText));
  RECT text{look.text.left, look.text.top, look.text.right, look.text.bottom};
  DrawTextW(dc, Wide(record->text), static_cast<int>(record->text.size()), &text,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  return true;
}

LRESULT CALLBACK CXPMenu::OwnerProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  const auto* menu = reinterpret_cast<const CXPMenu*>(data);
  if (msg == WM_MEASUREITEM && menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
  if (msg == WM_DRAWITEM && menu->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

bool CXPMenu::Track(HWND owner, POINT screen) {
  if (!menu_ || !owner) return false;
  const bool answering =
      SetWindowSubclass(owner, &CXPMenu::OwnerProcedure, kOwnerSubclassId, reinterpret_cast<DWORD_PTR>(this)) != 0;
  // A menu of a window that is not in the foreground would not close when
  // the user clicks elsewhere.
  SetForegroundWindow(owner);
  const BOOL shown = TrackPopupMenuEx(menu_, TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y,
                                      owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (answering) RemoveWindowSubclass(owner, &CXPMenu::OwnerProcedure, kOwnerSubclassId);
  return shown != 0;
}

}  // namespace zk40
