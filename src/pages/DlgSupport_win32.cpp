#include "pages/DlgSupport_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <functional>

#include "framework/BufferedPaint.h"
#include "pages/FileDialogs_win32.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "shell/HintTargets.h"
#include "shell/SupportPageTexts.h"
#include "skin/GdiPlusText_win32.h"
#include "skin/layout/SupportPageLayout.h"

namespace zk40 {
namespace {

namespace sp = layout::support_page;

constexpr std::u16string_view kVersionFace = u"MS Shell Dlg";
constexpr float kVersionPoints = 12.0f;
constexpr std::u16string_view kProfileFilter = u"CFG Files(*.cfg)|*.cfg||";
constexpr std::u16string_view kProfileExtension = u"cfg";

// The language keys of the five buttons' captions, in the layout's order.
constexpr std::array<const char*, 5> kCaptionKeys = {"str_update", "str_ostrelWeb", "str_importFile",
                                                     "str_exportFile", "str_defaultname"};

FileDialogArgs ProfileDialogArgs(HWND owner) {
  FileDialogArgs args;
  args.owner = owner;
  args.filter = kProfileFilter;
  args.default_extension = kProfileExtension;
  return args;
}

RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

Gdiplus::RectF ToBox(const sp::TextBox& box) {
  return Gdiplus::RectF(static_cast<float>(box.x), static_cast<float>(box.y), static_cast<float>(box.width),
                        static_cast<float>(box.height));
}

ARGB VersionColour() {
  const layout::Rgb& c = sp::kVersionText;
  return ARGB{0xFF000000u | (static_cast<ARGB>(c.r) << 16) | (static_cast<ARGB>(c.g) << 8) | c.b};
}

// The same text through GDI when GDI+ has no font to offer.
void DrawVersionGdi(HDC dc, const std::u16string& text, const sp::TextBox& box) {
  const Font font(CreateFontW(-MulDiv(static_cast<int>(kVersionPoints), GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0,
                              FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg"));
  SelectInDC selectFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(sp::kVersionText.ToColorRef()));
  RECT rect{box.x, box.y, box.x + box.width, box.y + box.height};
  DrawTextW(dc, Wide(text), -1, &rect, DT_LEFT | DT_TOP | DT_NOPREFIX);
}

void DrawVersion(HDC dc, const std::u16string& text, const sp::TextBox& box) {
  if (!DrawGdiPlusText(dc, text, ToBox(box), GdiPlusTextStyle{kVersionFace, kVersionPoints, VersionColour()})) {
    DrawVersionGdi(dc, text, box);
  }
}

}  // namespace

// The buttons are cut from the page's Over and Down pictures when the page
// first shows: loading those two pictures at start would make every start
// wait for a page most starts never open.
void CDlgSupport::OnFirstShow() {
  const PagePictures& pictures = LoadStatePictures(false);
  const std::array<std::function<void()>, 5> actions = {
      [this] { CheckForUpdate(); }, [this] { OpenWebSite(); }, [this] { ImportProfile(); },
      [this] { ExportProfile(); },  [this] { RestoreDefaults(); }};
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    CButton::CreateArgs args;
    args.rect = ToRect(sp::kControls[i]->rect);
    args.parent = this;
    // The two version areas only show their pictures and hints.
    if (i < actions.size()) args.on_click = actions[i];
    (void)controls_[i].Create(args);
    controls_[i].SetStatePictures(args.rect, pictures.normal.get(), pictures.over.get(), pictures.down.get(),
                                  pictures.normal.get());
  }
  ReleaseStatePictures();
  SetCaptions();
}

void CDlgSupport::SetCaptions() {
  if (!controls_[0].GetSafeHwnd()) return;
  const StringTable& strings = Context().strings;
  for (std::size_t i = 0; i < kCaptionKeys.size(); ++i) controls_[i].SetCaption(strings.Get(kCaptionKeys[i]));
}

void CDlgSupport::SetFirmwareText(const std::u16string& text) {
  firmware_text_ = text;
  if (m_hWnd) Invalidate(false);
}

bool CDlgSupport::OnPaint() {
  BufferedPaint paint(m_hWnd);
  if (NormalPicture()) DrawBitmap(paint.get(), paint.Client(), NormalPicture(), POINT{0, 0});
  DrawVersion(paint.get(), std::u16string(kDriverVersionText), sp::kDriverVersionText);
  DrawVersion(paint.get(), FirmwareVersionText(firmware_text_), sp::kFirmwareVersionText);
  return true;
}

bool CDlgSupport::OnMouseMove(UINT, POINT point) {
  std::array<HintTarget, sp::kControls.size()> targets{};
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const sp::Control& control = *sp::kControls[i];
    targets[i] = HintTarget{control.rect.left, control.rect.top, control.rect.right, control.rect.bottom, control.hint};
  }
  if (const auto hint = HintAt(targets, point.x, point.y)) {
    ::PostMessageW(GetParent(), msg::kShowHint, 0, *hint);
  }
  return true;
}

bool CDlgSupport::OnTimer(UINT_PTR id) {
  return update_ && update_->OnUpdateTimer(static_cast<std::uint32_t>(id), Context().store.ui_is_chinese);
}

void CDlgSupport::CheckForUpdate() {
  if (update_) (void)update_->CheckForUpdate(Context().store.ui_is_chinese);
}

void CDlgSupport::OpenWebSite() {
  const std::u16string site(kMakerWebSite);
  ShellExecuteW(nullptr, L"open", Wide(site), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void CDlgSupport::ImportProfile() {
  // The open dialog as the profile files want it: no read-only box, the
  // current folder left as it was.
  FileDialogArgs args = ProfileDialogArgs(m_hWnd);
  args.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
  const auto path = RunFileDialog(args);
  if (path) Context().profiles.ImportProfile(*path);
}

void CDlgSupport::ExportProfile() {
  FileDialogArgs args = ProfileDialogArgs(m_hWnd);
  args.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  args.save = true;
  const auto path = RunFileDialog(args);
  if (path) Context().profiles.ExportProfile(*path);
}

void CDlgSupport::RestoreDefaults() {
  if (!Context().notices.ShowNotice(RestoreDefaultsQuestion(Context().store.ui_is_chinese), true)) return;
  ::PostMessageW(GetParent(), msg::kRestoreDefaults, 0, 0);
}

}  // namespace zk40
