#include "pages/FunctionChooser.h"

#include "pages/ChooserLists.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

constexpr HostActionBrowse kBrowse[kHostActionRows] = {
    {false, u".wav*", u"*.wav*", u"(*.wav*)|*.wav*||", u"c:\\Windows\\Media"},
    {false, u".exe", u"*.exe", u"(*.exe)|*.exe||", u"c:\\Program Files"},
    {false, u".", u"*.*", u"(*.*)|*.*||", u"D:\\"},
    {true, {}, {}, {}, {}},
};

bool ValidRow(int row) { return row >= 0 && row < kHostActionRows; }

}  // namespace

const HostActionBrowse& BrowseFor(HostActionRow row) { return kBrowse[static_cast<int>(row)]; }

FunctionChooser::FunctionChooser(int button, std::u16string label, const MacroTable& macros)
    : button_(button), label_(std::move(label)), macros_(macros) {
  // Every row added to a list is selected in turn, so both lists end on their last row.
  game_selection_ = static_cast<int>(kChooserGameCount) - 1;
  OnGameSelectionChanged(game_selection_);
  basic_selection_ = static_cast<int>(kBasicFunctionCount) - 1;
}

KeyRouting FunctionChooser::ShowPage(int page) {
  if (page >= kKeyComboPage && page <= kAdvancedPage) page_ = page;
  // Nothing is shown while the switch is on, so no key is captured either.
  if (disable_on_) return KeyRouting::off;
  return page_ == kKeyComboPage ? KeyRouting::to_key_page : KeyRouting::off;
}

KeyRouting FunctionChooser::ToggleDisable() {
  disable_on_ = !disable_on_;
  return ShowPage(kKeyComboPage);
}

bool FunctionChooser::OnGameSelectionChanged(int position) {
  game_selection_ = position;
  if (position == listed_game_) return false;
  listed_game_ = position;
  macro_rows_ = ChooserMacroRows(macros_, position);
  macro_selection_ = static_cast<int>(macro_rows_.size()) - 1;
  return true;
}

void FunctionChooser::SwitchRow(int row) {
  if (!ValidRow(row)) return;
  row_on_.fill(false);
  row_on_[static_cast<std::size_t>(row)] = true;
}

void FunctionChooser::SetRowPath(int row, std::u16string_view path) {
  if (!ValidRow(row)) return;
  SwitchRow(row);
  row_path_[static_cast<std::size_t>(row)] = path;
}

bool FunctionChooser::RowOn(int row) const { return ValidRow(row) && row_on_[static_cast<std::size_t>(row)]; }

const std::u16string& FunctionChooser::RowPath(int row) const {
  static const std::u16string kNone;
  return ValidRow(row) ? row_path_[static_cast<std::size_t>(row)] : kNone;
}

const MacroListEntry* FunctionChooser::SelectedMacro() const {
  if (macro_selection_ < 0 || static_cast<std::size_t>(macro_selection_) >= macro_rows_.size()) return nullptr;
  return &macro_rows_[static_cast<std::size_t>(macro_selection_)];
}

ChooserResult FunctionChooser::PageChoice() const {
  ChooserResult result;
  result.button_index = button_;
  switch (page_) {
    case kKeyComboPage:
      result.category = ChoiceCategory::key_combination;
      result.value = combo_.Value();
      break;
    case kMacroPage:
      result.category = ChoiceCategory::macro;
      if (const MacroListEntry* macro = SelectedMacro()) result.value = static_cast<std::int32_t>(macro->macro_id);
      break;
    case kBasicPage:
      if (basic_selection_ >= 0 && static_cast<std::size_t>(basic_selection_) < kBasicFunctionCount)
        result.value = kBasicFunctions[static_cast<std::size_t>(basic_selection_)].type;
      break;
    case kAdvancedPage:
      for (int row = 0; row < kHostActionRows; ++row) {
        const std::u16string& path = row_path_[static_cast<std::size_t>(row)];
        if (!row_on_[static_cast<std::size_t>(row)] || path.empty()) continue;
        result.category = ChoiceCategory::host_action;
        result.value = HostActionValue(row, button_);
        result.row = row;
        char16_t field[kTextFieldUnits];
        StoreFixedText(field, path);
        result.path = ReadFixedText(field);
        break;
      }
      break;
    default:
      break;
  }
  return result;
}

std::optional<ChooserResult> FunctionChooser::Ok() const {
  const ChooserResult result = disable_on_ ? DisableChoice(button_) : PageChoice();
  if (!result.Chosen()) return std::nullopt;
  return result;
}

}  // namespace zk40
