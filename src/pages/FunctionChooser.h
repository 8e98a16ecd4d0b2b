#pragma once
// The function chooser without its windows: four pages (key combination,
// macro, basic list, host action), the disable switch, and the result each
// way of closing gives. The chooser window forwards its clicks, list
// notifications and key events here, carries out the key routing the calls
// return, and closes with IDOK exactly when a result comes back.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroStore.h"
#include "pages/ChooserResult.h"
#include "pages/KeyComboCapture.h"
#include "settings/MacroRecord.h"

namespace zk40 {

// Where the low-level keyboard hook's events go after a page switch: to the
// key-combination page (hook target + key reporting on), or nowhere (both
// recorder flags off). Every way of closing the chooser turns it off.
enum class KeyRouting { to_key_page, off };

inline constexpr int kKeyComboPage = 1;
inline constexpr int kMacroPage = 2;
inline constexpr int kBasicPage = 3;
inline constexpr int kAdvancedPage = 4;

// The list control ids of the macro page; the game list's selection changes
// arrive as message 1125 with the game list's id.
inline constexpr int kChooserGameListId = 10001;
inline constexpr int kChooserMacroListId = 10002;
inline constexpr int kChooserBasicListId = 101;

// The system dialog a host action row asks for its path with.
struct HostActionBrowse {
  bool folder;  // the folder browser instead of an open-file dialog
  std::u16string_view default_extension;
  std::u16string_view file_name;
  std::u16string_view filter;
  std::u16string_view initial_folder;
};
const HostActionBrowse& BrowseFor(HostActionRow row);
// Hide the read-only box, prompt before overwriting.
inline constexpr unsigned kHostActionBrowseFlags = 6;

class FunctionChooser {
 public:
  // Opens on the key-combination page (its routing is to_key_page), with the
  // lists filled: the player's own game group and its last macro selected,
  // the basic list's last function selected.
  FunctionChooser(int button, std::u16string label, const MacroTable& macros);

  int Button() const { return button_; }
  // The button's current function, as the window shows it.
  const std::u16string& Label() const { return label_; }

  // --- pages ------------------------------------------------------------------
  KeyRouting ShowPage(int page);
  // Flips the switch and shows page 1, which hides every page while it is on.
  KeyRouting ToggleDisable();
  bool DisableOn() const { return disable_on_; }
  // 0: none (the disable switch is on).
  int HighlightedTab() const { return disable_on_ ? 0 : page_; }
  int VisiblePage() const { return disable_on_ ? 0 : page_; }

  // --- key combination ---------------------------------------------------------
  KeyComboCapture& Combo() { return combo_; }
  const KeyComboCapture& Combo() const { return combo_; }

  // --- macro page -----------------------------------------------------------------
  int GameSelection() const { return game_selection_; }
  const std::vector<MacroListEntry>& MacroRows() const { return macro_rows_; }
  int MacroSelection() const { return macro_selection_; }
  // The game list's selection changed; true when the macro list was refilled.
  bool OnGameSelectionChanged(int position);
  void OnMacroSelectionChanged(int row) { macro_selection_ = row; }

  // --- basic page --------------------------------------------------------------------
  int BasicSelection() const { return basic_selection_; }
  void OnBasicSelectionChanged(int row) { basic_selection_ = row; }

  // --- host action page -------------------------------------------------------------
  // A switch clicked, or a row's browse started: that row on, the others off.
  void SwitchRow(int row);
  // The path the browse dialog returned (a cancelled dialog changes nothing).
  void SetRowPath(int row, std::u16string_view path);
  bool RowOn(int row) const;
  const std::u16string& RowPath(int row) const;

  // --- closing -------------------------------------------------------------------------
  // The default button: the button's factory function.
  ChooserResult Default() const { return DefaultChoice(button_); }
  // OK: the result, or nothing when nothing was chosen (the dialog cancels).
  std::optional<ChooserResult> Ok() const;

 private:
  ChooserResult PageChoice() const;
  MacroListEntry const* SelectedMacro() const;

  int button_;
  std::u16string label_;
  const MacroTable& macros_;
  bool disable_on_ = false;
  int page_ = kKeyComboPage;
  KeyComboCapture combo_;
  int game_selection_ = -1;
  int listed_game_ = -1;
  std::vector<MacroListEntry> macro_rows_;
  int macro_selection_ = -1;
  int basic_selection_ = -1;
  std::array<bool, kHostActionRows> row_on_{};
  std::array<std::u16string, kHostActionRows> row_path_{};
};

}  // namespace zk40
