// The macro page's controls: where each goes in the page's layout (English
// or Simplified Chinese), its look cut from the page pictures, its tooltip,
// and the game menu of the game library.

#include "macros/GameGroups.h"
#include "macros/GameMenuLibrary_win32.h"
#include "pages/DlgMacro_win32.h"
#include "pages/PageControls_win32.h"
#include "platform/WindowMessages.h"
#include "skin/SharedPictures_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/MacroPageLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace mp = layout::macro_page;

RECT PageRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

CGDIBitmapBtn::TextColours Colours(const std::array<std::uint32_t, 3>& c) {
  return {static_cast<COLORREF>(c[0]), static_cast<COLORREF>(c[1]), static_cast<COLORREF>(c[2])};
}

// The scroll-bar skin of both lists, loaded once for the process.
HBITMAP ListScrollSkin() {
  static const SharedBitmap skin = SharedPictures::Resource(layout::kScrollBarSkinBitmap);
  return skin ? skin->get() : nullptr;
}

}  // namespace

bool CDlgMacro::Chinese() const { return Context().store.ui_is_chinese == 1; }

CEdit& CDlgMacro::AddEdit(CEdit& edit, const RECT& rect, int id, int limit, DWORD style) {
  ControlCreateArgs args;
  args.style = style | ES_AUTOHSCROLL;
  args.rect = rect;
  args.parent = this;
  args.id = static_cast<UINT>(id);
  edit.Create(args);
  edit.SetLimitText(limit);
  edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(ButtonCaptionFont()), FALSE);
  return edit;
}

void CDlgMacro::CreateLists() {
  const std::u16string iconFolder = Context().store.install_folder + u"\\";
  struct ListPlace {
    CListBoxEx& list;
    layout::Rect rect;
    int id;
    bool rename;
  };
  for (const ListPlace& place : {ListPlace{macro_list_, mp::kMacroList, mp::kMacroListId, true},
                                 ListPlace{step_list_, mp::kStepList, mp::kStepListId, false}}) {
    ControlCreateArgs args;
    args.rect = PageRect(place.rect);
    args.parent = this;
    args.id = static_cast<UINT>(place.id);
    if (!place.list.Create(args)) continue;
    place.list.SetRowHeight(mp::kListItemHeight);
    place.list.SetTextColours(mp::kListText, mp::kListSelectedText);
    place.list.SetBackground(mp::kListBackground, mp::kListSelectionBackground);
    place.list.SetRenameEnabled(place.rename);
    place.list.SetIconFolder(iconFolder);
    (void)place.list.AttachScrollFrame(ListScrollSkin());
  }
}

void CDlgMacro::CreateControls() {
  const bool chinese = Chinese();
  PageControls make(*this, LoadStatePictures(false), controls_);
  edit_brush_.Reset(CreateSolidBrush(mp::kEditBackground));

  game_button_ = &make.Button(mp::kGameButton, [this] { OpenGameMenu(); });
  game_button_->SetTextColours(Colours(mp::kGameButtonTextColors));
  CreateLists();
  edit_buttons_[0] = &make.Button(mp::kNewMacroButton, [this] { StartNewMacro(); });
  edit_buttons_[1] = &make.Button(mp::kDeleteMacroButton, [this] { editor_.DeleteMacro(); Refresh(); });
  edit_buttons_[2] = &make.Button(mp::kInsertButton.For(chinese), [this] { editor_.Insert(); Refresh(); });
  edit_buttons_[3] = &make.Button(mp::kDeleteStepButton.For(chinese), [this] { editor_.DeleteStep(); Refresh(); });
  edit_buttons_[4] = &make.Button(mp::kModifyButton.For(chinese), [this] { editor_.Modify(); Refresh(); });

  record_button_ = &make.Button(mp::kRecordButton, [this] { editor_.ToggleRecording(); Refresh(); });
  record_button_->SetTextColours(Colours(mp::kRecordButtonTextColors));
  // The toggle is labelled "Record delays": it shows ticked while gaps are
  // recorded, which is while the editor's delay toggle (skip the gaps) is off.
  delay_toggle_ = &make.Button(mp::kDelayToggle, [this] { editor_.SetDelayToggle(!delay_toggle_->GetLatched()); });
  delay_toggle_->SetToggleMode(true, true);
  AddEdit(loop_edit_, PageRect(mp::kLoopCountEdit), mp::kLoopCountEditId, 5, WS_VISIBLE | ES_NUMBER);
  SetEditText(loop_edit_, editor_.LoopText());

  for (std::size_t i = 0; i < mouse_buttons_.size(); ++i) {
    mouse_buttons_[i] = &make.Button(mp::kMouseButtons[i].For(chinese), nullptr);
    mouse_buttons_[i]->notify_press = true;
  }

  key_choice_ = &make.Button(mp::kKeyChoice.For(chinese), [this] { editor_.ChooseKey(); Refresh(); });
  // The key field shows the name of the key the hooks caught; typing into it
  // would only race with that name.
  AddEdit(key_edit_, PageRect(mp::kKeyEdit.For(chinese)), mp::kKeyEditId, 1, ES_READONLY);
  key_ok_ = &make.Button(mp::kKeyOkButton.For(chinese), [this] { editor_.KeyOk(); Refresh(); });
  delay_choice_ = &make.Button(mp::kDelayChoice.For(chinese), [this] { editor_.ChooseDelay(); Refresh(); });
  AddEdit(delay_edit_, PageRect(mp::kDelayEdit.For(chinese)), mp::kDelayEditId, 4, ES_NUMBER);
  delay_ok_ = &make.Button(mp::kDelayOkButton.For(chinese), [this] { editor_.DelayOk(); Refresh(); });
  for (CGDIBitmapBtn* choice : {key_choice_, delay_choice_}) choice->SetToggleMode(true, false);
  for (CGDIBitmapBtn* hidden : {key_choice_, key_ok_, delay_choice_, delay_ok_}) hidden->ShowWindow(SW_HIDE);

  budget_font_.Reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg"));
  ReleaseStatePictures();
}

void CDlgMacro::SetCaptions() {
  if (!game_button_) return;
  const StringTable& strings = Context().strings;
  game_button_->SetCaption(std::u16string(GameCaptionTitle(editor_.Group(), Chinese())));
  record_button_->SetCaption(std::u16string(editor_.RecordCaption()));
  constexpr std::array<const char*, 5> kEditTips = {"str_new_macro", "str_del_macro", "str_macro_new", "str_macro_del",
                                                    "str_macro_modify"};
  for (std::size_t i = 0; i < edit_buttons_.size(); ++i) edit_buttons_[i]->SetTooltipText(strings.Get(kEditTips[i]), true);
  delay_toggle_->SetTooltipText(strings.Get("str_macro_delay"), true);
  for (CGDIBitmapBtn* key : {key_choice_, key_ok_}) key->SetTooltipText(strings.Get("str_macro_msg6"), true);
  for (CGDIBitmapBtn* delay : {delay_choice_, delay_ok_}) delay->SetTooltipText(strings.Get("str_macro_msg7"), true);
  shown_budget_ = MacroBudget{0, 0, -1, -1};
  RefreshBudget();
}

// --- the game menu ------------------------------------------------------------------

void CDlgMacro::OpenGameMenu() {
  if (!GameMenuLibrary::Load()) return;
  const bool chinese = Chinese();
  const auto entries = BuildGameMenuEntries(chinese);
  std::array<std::u16string, kGameMenuImageCount> images;
  for (std::size_t i = 0; i < images.size(); ++i) {
    images[i] = skin::SkinPath(Context().store.install_folder, u"Menu", kGameMenuImageFiles[i]);
  }
  const RECT button = game_button_->GetWindowRect();  // screen coordinates
  const POINT topLeft{button.left + 1, button.bottom + 1};
  GameMenuLibrary::CreateMenu(m_hWnd, mp::kGameMenuItemHeight, topLeft, kGameMenuColours[0], kGameMenuColours[1],
                              kGameMenuColours[2], images, entries.data(), static_cast<int>(entries.size()));
}

void CDlgMacro::CloseGameMenu() { GameMenuLibrary::DestroyMenu(); }

}  // namespace zk40
