#include "app/gallery/GalleryPage_win32.h"

#include "framework/BufferedPaint.h"
#include "skin/PictureLoading_win32.h"
#include "skin/layout/DialogLayout.h"

namespace zk40::gallery {
namespace {

RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool CGalleryPage::Open(const CWnd* parent, const layout::Rect& rect, PagePictures pictures) {
  controls_.Clear();
  pictures_ = std::move(pictures);
  WindowCreateArgs args = ChildWindowArgs(ToRect(rect), parent, 0, WS_VISIBLE | WS_CLIPCHILDREN);
  if (!parent) args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  args.title = u"ZK40 control gallery";
  return Create(args);
}

bool CGalleryPage::OnEraseBkgnd(HDC dc) {
  const RECT client = GetClientRect();
  if (pictures_.normal) {
    DrawBitmap(dc, client, pictures_.normal.get(), POINT{0, 0});
  } else if (pictures_.normal_image) {
    GdiPlusGraphics graphics(dc);
    DrawImageAt(graphics.get(), pictures_.normal_image, 0, 0);
  }
  return true;
}

bool CGalleryPage::OnRButtonUp(UINT, POINT) {
  if (!ends_program_) return false;
  PostMessage(WM_CLOSE);
  return true;
}

void CGalleryPage::OnDestroy() {
  if (ends_program_) PostQuitMessage(0);
}

CGDIBitmapBtn& CGalleryPage::AddButton(const layout::Rect& rect, bool latched) {
  auto& button = Keep<CGDIBitmapBtn>();
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = this;
  button.Create(args);
  button.SetStatePictures(args.rect, pictures_.normal.get(), pictures_.over.get(), pictures_.down.get(),
                          pictures_.normal.get());
  button.SetToggleMode(true, false);
  button.SetLatched(latched);
  return button;
}

CIrrButton& CGalleryPage::AddIrregular(const layout::Quad& outline, bool latched) {
  auto& button = Keep<CIrrButton>();
  const Region region = QuadRegion(outline);
  CIrrButton::CreateArgs args;
  args.region = region.get();
  args.parent = this;
  button.Create(args);
  button.SetToggleMode(true);
  button.SetLatched(latched);
  return button;
}

CPngHSliderBar& CGalleryPage::AddSlider(const layout::Rect& rect, const std::u16string& thumb, UINT id,
                                        layout::Point range, int position, int track_inset) {
  auto& bar = Keep<CPngHSliderBar>();
  CPngHSliderBar::InitArgs args;
  args.thumb_path = thumb;
  args.rect = ToRect(rect);
  args.page = this;
  args.id = id;
  bar.Init(args);
  bar.SetTrack(RECT{rect.left, rect.top, rect.right - track_inset, rect.bottom});
  bar.SetRange(range.x, range.y);
  bar.SetBackground(rect, pictures_.normal_image);
  bar.SetPosition(position);
  return bar;
}

CBitmapEdit& CGalleryPage::AddEdit(const layout::Rect& rect, const std::u16string& text) {
  auto& edit = Keep<CBitmapEdit>();
  ControlCreateArgs args;
  args.text = text;
  args.style = WS_VISIBLE | ES_AUTOHSCROLL;
  args.rect = ToRect(rect);
  args.parent = this;
  edit.Create(args);
  edit.SetBackground(rect, pictures_.normal_image);
  return edit;
}

CColorBtn& CGalleryPage::AddSwatch(const layout::Rect& rect, std::uint32_t colour) {
  auto& swatch = Keep<CColorBtn>();
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = this;
  swatch.Create(args);
  swatch.SetColour(colour);
  return swatch;
}

CPngHProgressBar& CGalleryPage::AddProgress(const layout::Rect& rect, const GdiPlusImage& empty,
                                            const GdiPlusImage& full, int percent) {
  auto& bar = Keep<CPngHProgressBar>();
  CPngHProgressBar::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = this;
  args.id = layout::progress::kBarId;
  bar.Create(args);
  bar.SetPictures(rect, &empty, &full);
  bar.SetRange(0, 100);
  bar.SetReadOnly(true);
  bar.SetPosition(percent);
  return bar;
}

}  // namespace zk40::gallery
