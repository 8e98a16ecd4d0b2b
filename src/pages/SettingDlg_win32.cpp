#include "pages/SettingDlg_win32.h"

#include "shell/HostInputHooks_win32.h"
#include "skin/layout/ChooserLayout.h"
#include "skin/layout/ControlColors.h"

namespace zk40 {
namespace {

namespace ch = layout::chooser;

constexpr std::string_view kTabKeys[] = {"str_key_com", "str_macro_set", "str_basic", "str_advance"};

}  // namespace

CSettingDlg::CSettingDlg(CWnd* owner, const ChooserContext& context, int button, std::u16string label)
    : CSkinnedDialog(IDD_CHOOSER, owner),
      context_(context),
      model_(button, std::move(label), context.store.macros),
      combo_page_(this, context, model_),
      macro_page_(this, context, model_),
      basic_page_(this, context, model_),
      advanced_page_(this, context, model_) {}

bool CSettingDlg::OnInitDialog() {
  SetPictures(LoadPagePictures(context_.store.install_folder, layout::kChooserSkin, false));
  // Centred over the owner, at the size of the skin picture.
  const SIZE size{layout::kChooserSkin.size.width, layout::kChooserSkin.size.height};
  RECT over{};
  if (Parent()) over = Parent()->GetWindowRect();
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  const int x = over.left + (over.right - over.left - size.cx) / 2;
  const int y = over.top + (over.bottom - over.top - size.cy) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER);
  CreateButtons();
  const RECT place = ToRect(ch::kPageArea);
  for (CSettingPage* page : std::initializer_list<CSettingPage*>{&combo_page_, &macro_page_, &basic_page_,
                                                                  &advanced_page_}) {
    (void)page->CreatePage(place);
  }
  ShowPage(kKeyComboPage);
  return true;
}

void CSettingDlg::CreateButtons() {
  AddButton(ch::kCloseButton, [this] { Close(); });
  const CGDIBitmapBtn::TextColours tabText{ch::kTabText.ToColorRef(), RGB(255, 255, 255), RGB(255, 255, 255)};
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    const int page = static_cast<int>(i) + 1;
    tabs_[i] = &AddButton(ch::kTabs[i], [this, page] { ShowPage(page); });
    tabs_[i]->SetToggleMode(true, false);
    tabs_[i]->SetCaption(context_.strings.Get(kTabKeys[i]));
    tabs_[i]->SetTextColours(tabText);
  }
  disable_ = &AddButton(ch::kDisableSwitch, [this] { ToggleDisable(); });
  disable_->SetToggleMode(true, false);
  disable_->SetTooltipText(context_.strings.Get("str_disable"), true);
  CGDIBitmapBtn& defaults = AddButton(ch::kDefaultButton, [this] { TakeDefault(); });
  defaults.SetCaption(context_.strings.Get("str_default_setting"));
  CGDIBitmapBtn& ok = AddButton(ch::kOkButton, [this] { Confirm(); });
  ok.SetCaption(context_.strings.Get("str_ok"));
}

void CSettingDlg::PaintOver(HDC dc) {
  DrawSkinText(dc, ch::kTitle, context_.strings.Get("str_panel"), ch::kTitleText.ToColorRef(), true);
  DrawSkinText(dc, ch::kCurrentFunction, context_.strings.Get("str_cur_function") + model_.Label(),
               ch::kLabelText.ToColorRef());
  DrawSkinText(dc, ch::kDisableLabel, context_.strings.Get("str_disable"), ch::kLabelText.ToColorRef());
}

void CSettingDlg::ShowPage(int page) {
  Route(model_.ShowPage(page));
  const int highlighted = model_.HighlightedTab();
  for (std::size_t i = 0; i < tabs_.size(); ++i) tabs_[i]->SetLatched(static_cast<int>(i) + 1 == highlighted);
  disable_->SetLatched(model_.DisableOn());
  CSettingPage* pages[] = {&combo_page_, &macro_page_, &basic_page_, &advanced_page_};
  const int visible = model_.VisiblePage();
  for (int i = 0; i < 4; ++i) pages[i]->ShowWindow(i + 1 == visible ? SW_SHOWNA : SW_HIDE);
}

void CSettingDlg::Route(KeyRouting routing) {
  if (routing == KeyRouting::to_key_page) {
    context_.hooks.SetHookTarget(ToWindowId(combo_page_.GetSafeHwnd()));
    context_.hooks.SetRecorderReporting(1, 0);
  } else {
    context_.hooks.SetRecorderReporting(0, 0);
  }
}

void CSettingDlg::ToggleDisable() {
  model_.ToggleDisable();
  ShowPage(kKeyComboPage);
}

void CSettingDlg::Close() { Finish(std::nullopt); }

void CSettingDlg::TakeDefault() { Finish(model_.Default()); }

void CSettingDlg::Confirm() { Finish(model_.Ok()); }

void CSettingDlg::Finish(std::optional<ChooserResult> result) {
  context_.hooks.SetRecorderReporting(0, 0);
  result_ = std::move(result);
  EndDialog(result_ ? IDOK : IDCANCEL);
}

bool CSettingDlg::PreTranslateMessage(MSG& msg) {
  if (SwallowsChooserKey(msg)) return true;
  return CSkinnedDialog::PreTranslateMessage(msg);
}

std::optional<ChooserResult> RunFunctionChooser(CWnd& owner, const ChooserContext& context, int button,
                                                const std::u16string& label) {
  CSettingDlg chooser(&owner, context, button, label);
  if (chooser.DoModal() != IDOK) {
    // A chooser that could not even open leaves the hooks as every close does.
    context.hooks.SetRecorderReporting(0, 0);
    return std::nullopt;
  }
  return chooser.Result();
}

}  // namespace zk40
