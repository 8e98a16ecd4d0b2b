#include "pages/SettingPages_win32.h"

#include "framework/BufferedPaint.h"
#include "pages/ChooserLists.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "shell/HostInputHooks_win32.h"
#include "skin/SharedPictures_win32.h"
#include "skin/layout/ChooserLayout.h"
#include "skin/layout/ControlColors.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace cc = layout::chooser_combo;
namespace cm = layout::chooser_macro;
namespace cb = layout::chooser_basic;
namespace ca = layout::chooser_advanced;

constexpr COLORREF kListText = RGB(60, 68, 78);
constexpr COLORREF kPathText = RGB(60, 68, 78);
constexpr COLORREF kPathGround = RGB(214, 219, 224);

// The scroll-bar skin of the chooser's lists, loaded once for the process.
HBITMAP ChooserScrollSkin() {
  static const SharedBitmap skin = SharedPictures::Resource(layout::kScrollBarSkinBitmap);
  return skin ? skin->get() : nullptr;
}

// A chooser list at rect with id: white rows in the skinned scroll frame.
void CreateChooserList(CListBoxEx& list, CWnd& page, const layout::Rect& rect, int id, const ChooserContext& context) {
  ControlCreateArgs args;
  args.rect = ToRect(rect);
  args.parent = &page;
  args.id = static_cast<UINT>(id);
  if (!list.Create(args)) return;
  StyleChooserList(list, context);
  (void)list.AttachScrollFrame(ChooserScrollSkin());
}

}  // namespace

bool SwallowsChooserKey(const MSG& msg) {
  const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR;
  return key && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE);
}

void StyleChooserList(CListBoxEx& list, const ChooserContext&) {
  list.SetTextColours(kListText, RGB(255, 255, 255));
  list.SetBackground(RGB(255, 255, 255), layout::control_colors::kAccent.ToColorRef());
}

// --- every page ---------------------------------------------------------------------

bool CSettingPage::CreatePage(const RECT& place) {
  if (!Create()) return false;
  ::SetWindowPos(m_hWnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  return true;
}

bool CSettingPage::OnInitDialog() {
  SetPictures(LoadPagePictures(context_.store.install_folder, skin_, false));
  CreateControls();
  return false;
}

bool CSettingPage::PreTranslateMessage(MSG& msg) { return SwallowsChooserKey(msg); }

// --- key combination ------------------------------------------------------------------

CSetting_SingleComboDlg::CSetting_SingleComboDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model)
    : CSettingPage(IDD_CHOOSER_COMBO, parent, context, model, layout::kChooserComboSkin) {}

void CSetting_SingleComboDlg::CreateControls() {
  constexpr ComboModifier kOrder[] = {ComboModifier::ctrl, ComboModifier::alt, ComboModifier::shift,
                                      ComboModifier::win};
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const ComboModifier modifier = kOrder[i];
    boxes_[i] = &AddButton(cc::kModifierBoxes[i], [this, modifier] {
      model_.Combo().ToggleBox(modifier);
      ShowBoxes();
    });
    boxes_[i]->SetToggleMode(true, false);
  }
  ShowBoxes();
}

void CSetting_SingleComboDlg::ShowBoxes() {
  constexpr ComboModifier kOrder[] = {ComboModifier::ctrl, ComboModifier::alt, ComboModifier::shift,
                                      ComboModifier::win};
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (boxes_[i]) boxes_[i]->SetLatched(model_.Combo().BoxOn(kOrder[i]));
  }
}

void CSetting_SingleComboDlg::PaintOver(HDC dc) {
  DrawSkinText(dc, cc::kKeyName, model_.Combo().KeyName(context_.keyboard), cc::kKeyNameText.ToColorRef());
}

bool CSetting_SingleComboDlg::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != msg::kRecorderInput) return false;
  if (model_.Combo().OnKeyEvent(static_cast<std::uint32_t>(wp), static_cast<std::uint32_t>(lp))) {
    const RECT name = ToRect(cc::kKeyName);
    InvalidateRect(m_hWnd, &name, FALSE);
  }
  ShowBoxes();
  result = 0;
  return true;
}

// --- macros --------------------------------------------------------------------------------

CSetting_MacroDlg::CSetting_MacroDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model)
    : CSettingPage(IDD_CHOOSER_MACRO, parent, context, model, layout::kChooserMacroSkin) {}

void CSetting_MacroDlg::CreateControls() {
  CreateChooserList(games_, *this, cm::kGameList, cm::kGameListId, context_);
  CreateChooserList(macros_, *this, cm::kMacroList, cm::kMacroListId, context_);
  const bool chinese = context_.store.ui_is_chinese == 1;
  for (std::size_t position = 0; position < kChooserGameCount; ++position) {
    games_.AddRow(RowKind::plain, std::u16string(ChooserGameTitle(position, chinese)),
                  static_cast<std::uint32_t>(position));
  }
  FillMacroList();
}

void CSetting_MacroDlg::FillMacroList() {
  macros_.Empty();
  macros_.SendMessage(WM_SETREDRAW, FALSE);
  for (const MacroListEntry& row : model_.MacroRows()) macros_.AddRow(RowKind::plain, row.name, row.macro_id);
  macros_.SendMessage(WM_SETREDRAW, TRUE);
  macros_.Invalidate(true);
}

bool CSetting_MacroDlg::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != msg::kListSelectionChanged) return false;
  result = 0;
  if (wp == static_cast<WPARAM>(cm::kGameListId)) {
    if (model_.OnGameSelectionChanged(static_cast<int>(lp))) FillMacroList();
  } else if (wp == static_cast<WPARAM>(cm::kMacroListId)) {
    model_.OnMacroSelectionChanged(static_cast<int>(lp));
  }
  return true;
}

// --- basic functions -----------------------------------------------------------------------

CSetting_BaseDlg::CSetting_BaseDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model)
    : CSettingPage(IDD_CHOOSER_BASIC, parent, context, model, layout::kChooserBasicSkin) {}

void CSetting_BaseDlg::CreateControls() {
  CreateChooserList(list_, *this, cb::kList, cb::kListId, context_);
  for (const BasicFunction& function : kBasicFunctions) {
    list_.AddRow(RowKind::plain, context_.strings.Get(function.key), static_cast<std::uint32_t>(function.type));
  }
}

bool CSetting_BaseDlg::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != msg::kListSelectionChanged || wp != static_cast<WPARAM>(cb::kListId)) return false;
  model_.OnBasicSelectionChanged(static_cast<int>(lp));
  result = 0;
  return true;
}

// --- host actions ---------------------------------------------------------------------------

bool CPathField::Create(const RECT& rect, const CWnd* parent, std::function<void()> on_double_click) {
  on_double_click_ = std::move(on_double_click);
  return CWnd::Create(ChildWindowArgs(rect, parent, 0));
}

void CPathField::SetPath(const std::u16string& path) {
  path_ = path;
  Invalidate();
}

bool CPathField::OnPaint() {
  BufferedPaint paint(m_hWnd);
  Brush ground(CreateSolidBrush(kPathGround));
  FillRect(paint.get(), &paint.Client(), ground.get());
  const RECT& c = paint.Client();
  SelectInDC font(paint.get(), ButtonCaptionFont());
  SetBkMode(paint.get(), TRANSPARENT);
  SetTextColor(paint.get(), kPathText);
  RECT box{c.left + 3, c.top, c.right - 2, c.bottom};
  // A long path keeps its start and its file name.
  DrawTextW(paint.get(), Wide(path_), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS | DT_NOPREFIX);
  return true;
}

bool CPathField::OnLButtonDblClk(UINT, POINT) {
  if (on_double_click_) on_double_click_();
  return true;
}

CSetting_AdvanceDlg::CSetting_AdvanceDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model)
    : CSettingPage(IDD_CHOOSER_ADVANCE, parent, context, model, layout::kChooserAdvancedSkin) {}

void CSetting_AdvanceDlg::CreateControls() {
  const std::u16string& browse = context_.strings.Get("str_browse");
  for (std::size_t i = 0; i < ca::kRows.size(); ++i) {
    const int row = static_cast<int>(i);
    switches_[i] = &AddButton(ca::kRows[i].option_switch, [this, row] {
      model_.SwitchRow(row);
      ShowRows();
    });
    switches_[i]->SetToggleMode(true, false);
    CGDIBitmapBtn& button = AddButton(ca::kRows[i].browse, [this, row] { Browse(row); });
    button.SetCaption(browse);
    button.SetTextColours({layout::control_colors::kButtonText.ToColorRef(), RGB(255, 255, 255), RGB(255, 255, 255)});
    button.SetTooltipText(browse, true);
    paths_[i] = &Keep<CPathField>();
    paths_[i]->Create(ToRect(ca::kRows[i].path), this, [this, row] { Browse(row); });
  }
  ShowRows();
}

void CSetting_AdvanceDlg::ShowRows() {
  for (int row = 0; row < kHostActionRows; ++row) {
    const auto i = static_cast<std::size_t>(row);
    if (switches_[i]) switches_[i]->SetLatched(model_.RowOn(row));
    if (paths_[i]) paths_[i]->SetPath(model_.RowPath(row));
  }
}

void CSetting_AdvanceDlg::PaintOver(HDC dc) {
  constexpr std::string_view kLabels[] = {"str_advanced_sound", "str_advanced_exe", "str_advanced_file",
                                          "str_advanced_dir"};
  for (std::size_t i = 0; i < ca::kRows.size(); ++i) {
    DrawSkinText(dc, ca::kRows[i].label, context_.strings.Get(kLabels[i]), ca::kLabelText.ToColorRef());
  }
}

void CSetting_AdvanceDlg::Browse(int row) {
  model_.SwitchRow(row);
  ShowRows();
  if (const std::optional<std::u16string> path = AskForPath(static_cast<HostActionRow>(row), m_hWnd)) {
    model_.SetRowPath(row, *path);
    ShowRows();
  }
}

}  // namespace zk40
