#include "skin/MenuEx_win32.h"

#include <array>

#include "platform/WideText_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace pm = layout::picture_menu;

COLORREF ColorOf(layout::Rgb c) { return RGB(c.r, c.g, c.b); }

// The language menu's entries in language-number order (1 first).
constexpr std::array<const char16_t*, layout::kLanguageCount> kLanguageNames{
    u"Chinese", u"English", u"French",     u"Korean",  u"German",    u"Italian",
    u"Spanish", u"Dutch",   u"Portuguese", u"Russian", u"Ukrainian", u"Trad.Chinese"};

}  // namespace

void CMenuEx::AddItem(const std::u16string& text, UINT resource_id, std::uint32_t value, HMODULE module) {
  Item item;
  item.value = value;
  item.picture = LoadPngResource(resource_id, module);
  item.text = text;
  items_.push_back(std::move(item));
  for (std::size_t i = 0; i < items_.size(); ++i) items_[i].rect = skin::PictureMenuItemRect(static_cast<int>(i));
  const skin::Rect client = skin::PictureMenuClientRect(static_cast<int>(items_.size()));
  SetClientSize(client.Width(), client.Height());
}

std::vector<skin::Rect> CMenuEx::ItemRects() const {
  std::vector<skin::Rect> rects;
  rects.reserve(items_.size());
  for (const Item& item : items_) rects.push_back(item.rect);
  return rects;
}

void CMenuEx::DrawContent(HDC dc) {
  SelectInDC font(dc, PopupFont());
  SetBkMode(dc, TRANSPARENT);
  Brush hover_fill(CreateSolidBrush(ColorOf(pm::kHoverFill)));
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    const bool hovered = static_cast<int>(i) == Hovered();
    if (hovered) {
      const RECT r{item.rect.left, item.rect.top, item.rect.right, item.rect.bottom};
      FillRect(dc, &r, hover_fill.get());
    }
    SetTextColor(dc, ColorOf(hovered ? pm::kHoverText : pm::kText));
    const skin::Rect t = skin::PictureMenuTextRect(item.rect);
    RECT text{t.left, t.top, t.right, t.bottom};
    DrawTextW(dc, Wide(item.text), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_WORD_ELLIPSIS | DT_NOPREFIX);
  }
}

void CMenuEx::DrawPictures(GpGraphics* graphics) {
  for (const Item& item : items_) {
    if (!item.picture) continue;
    const skin::Point at = skin::PictureMenuPicturePlace(item.rect, item.picture.Width(), item.picture.Height());
    DrawImageAt(graphics, item.picture, at.x, at.y);
  }
}

bool CMenuEx::MouseMoved(POINT point) { return hover_.MouseMoved(ItemRects(), skin::Point{point.x, point.y}); }

bool CMenuEx::ButtonReleased(POINT point) {
  const skin::PictureMenuHover::Release release = hover_.ButtonReleased(ItemRects(), skin::Point{point.x, point.y});
  if (release.chosen) {
    // The parent usually closes the popup in answer: nothing of it is used after this.
    Notify(NotifyMessage(), 0, static_cast<LPARAM>(items_[static_cast<std::size_t>(*release.chosen)].value));
    return false;
  }
  return release.redraw;
}

void CMenuExA::FillItems() {
  for (int language = 1; language <= layout::kLanguageCount; ++language) {
    AddItem(kLanguageNames[static_cast<std::size_t>(language - 1)],
            static_cast<UINT>(layout::SmallFlagPngId(language)), static_cast<std::uint32_t>(language));
  }
}

}  // namespace zk40
