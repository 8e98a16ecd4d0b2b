#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "i18n/StringTable.h"
#include "macros/GameGroups.h"
#include "pages/ChooserLists.h"
#include "pages/FunctionChooser.h"
#include "protocol/FunctionTable.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kDown = 0;
constexpr std::uint32_t kUp = 0x80;
constexpr std::uint32_t kLeftCtrl = 162, kLeftShift = 160, kLeftAlt = 164;

// The four wire bytes of a device code, byte 0 first.
std::array<std::uint8_t, 4> Wire(std::int32_t code) {
  const auto c = static_cast<std::uint32_t>(code);
  return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c >> 16),
          static_cast<std::uint8_t>(c >> 24)};
}

class FunctionChooserTest : public ::testing::Test {
 protected:
  void Tap(std::uint32_t vk) {
    chooser.Combo().OnKeyEvent(vk, kDown);
    chooser.Combo().OnKeyEvent(vk, kUp);
  }
  std::unique_ptr<MacroTable> macros = std::make_unique<MacroTable>();
  FunctionChooser chooser{3, u"Forward", *macros};
};

// --- key combination -------------------------------------------------------------------

TEST_F(FunctionChooserTest, CtrlHeldWithKGivesTheCtrlKCode) {
  auto& combo = chooser.Combo();
  combo.OnKeyEvent(kLeftCtrl, kDown);
  EXPECT_TRUE(combo.OnKeyEvent('K', kDown)) << "a captured key is redrawn";
  combo.OnKeyEvent('K', kUp);
  combo.OnKeyEvent(kLeftCtrl, kUp);
  EXPECT_TRUE(combo.BoxOn(ComboModifier::ctrl));
  EXPECT_EQ(combo.KeyName(AsciiKeyboardLayout()), u"K");
  const auto result = chooser.Ok();
  ASSERT_TRUE(result);
  EXPECT_EQ(Wire(result->value), (std::array<std::uint8_t, 4>{0x00, 0x01, 0x0E, 0x00}));
  EXPECT_EQ(result->category, ChoiceCategory::key_combination);
}

TEST_F(FunctionChooserTest, ModifierBoxesWithoutAKey) {
  Tap(kLeftShift);
  ASSERT_TRUE(chooser.Ok());
  EXPECT_EQ(Wire(chooser.Ok()->value), (std::array<std::uint8_t, 4>{0x00, 0x00, 0xE1, 0x00})) << "Shift alone";
  chooser.Combo().ToggleBox(ComboModifier::alt);
  EXPECT_FALSE(chooser.Ok()) << "Shift and Alt without a key choose nothing";
  Tap(kLeftShift);
  Tap(kLeftAlt);
  EXPECT_FALSE(chooser.Ok()) << "no box and no key";
}

TEST_F(FunctionChooserTest, AHeldModifierTogglesItsBoxOnce) {
  auto& combo = chooser.Combo();
  // The keyboard repeats a held key as further key-downs.
  for (int i = 0; i < 4; ++i) combo.OnKeyEvent(kLeftCtrl, kDown);
  EXPECT_TRUE(combo.BoxOn(ComboModifier::ctrl));
  combo.OnKeyEvent(kLeftCtrl, kUp);
  combo.OnKeyEvent(kLeftCtrl, kDown);
  EXPECT_FALSE(combo.BoxOn(ComboModifier::ctrl)) << "a second press toggles it back";
}

TEST_F(FunctionChooserTest, OnlyPlainKeyDownsToggleABoxButAnyKeyEventCaptures) {
  auto& combo = chooser.Combo();
  combo.OnKeyEvent(kLeftShift, 0x10 | 0x01);  // injected, extended
  EXPECT_TRUE(combo.BoxOn(ComboModifier::shift));
  combo.OnKeyEvent(kLeftAlt, 0x02);
  EXPECT_FALSE(combo.BoxOn(ComboModifier::alt));
  combo.OnKeyEvent(91, kDown);
  EXPECT_TRUE(combo.BoxOn(ComboModifier::win));
  combo.OnKeyEvent(0x70, kUp);
  EXPECT_EQ(combo.CapturedKey(), 0x70u) << "a release captures too";
  EXPECT_EQ(combo.Value(), 0x3A << 16 | (0x02 | 0x08) << 8);
}

// --- pages, disable, default ----------------------------------------------------------------

TEST_F(FunctionChooserTest, PagesRouteKeysOnlyToTheKeyPageAndDisableHidesThemAll) {
  EXPECT_EQ(chooser.ShowPage(kMacroPage), KeyRouting::off);
  EXPECT_EQ(chooser.VisiblePage(), kMacroPage);
  EXPECT_EQ(chooser.ShowPage(kKeyComboPage), KeyRouting::to_key_page);

  chooser.ShowPage(kBasicPage);
  EXPECT_EQ(chooser.ToggleDisable(), KeyRouting::off);
  EXPECT_EQ(chooser.HighlightedTab(), 0);
  EXPECT_EQ(chooser.VisiblePage(), 0);
  EXPECT_EQ(chooser.ShowPage(kAdvancedPage), KeyRouting::off);
  EXPECT_EQ(chooser.VisiblePage(), 0);
  const auto result = chooser.Ok();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->value, 7);
  EXPECT_EQ(result->category, ChoiceCategory::disable);

  EXPECT_EQ(chooser.ToggleDisable(), KeyRouting::to_key_page);
  EXPECT_EQ(chooser.VisiblePage(), kKeyComboPage);
}

TEST(ChooserDefault, IsTheButtonsFactoryFunction) {
  const ChooserResult wheelBack = DefaultChoice(6);
  EXPECT_EQ(wheelBack.value, 22);
  EXPECT_EQ(wheelBack.category, ChoiceCategory::basic);
  EXPECT_EQ(DefaultChoice(0).value, 1);
}

// --- lists -------------------------------------------------------------------------------------

TEST_F(FunctionChooserTest, UntouchedListsChooseTheirLastRow) {
  chooser.ShowPage(kBasicPage);
  ASSERT_TRUE(chooser.Ok());
  EXPECT_EQ(chooser.Ok()->value, 143) << "FIRE";
  EXPECT_EQ(chooser.Ok()->category, ChoiceCategory::basic);
  chooser.OnBasicSelectionChanged(-1);
  EXPECT_FALSE(chooser.Ok());

  chooser.ShowPage(kMacroPage);
  EXPECT_FALSE(chooser.Ok()) << "the player's own list is empty";
}

TEST(ChooserMacroPage, ListsTheGroupOfTheSelectedGameAndChoosesItsLastMacro) {
  auto macros = std::make_unique<MacroTable>();
  (*macros)[0] = test::Macro(1, {test::Press('A')}, 21u << 24 | 1, u"first");
  (*macros)[1] = test::Macro(1, {test::Press('B')}, 3u << 24 | 2, u"cs");
  (*macros)[2] = test::Macro(1, {test::Press('C')}, 21u << 24 | 3, u"last");
  (*macros)[3].macro_id = 21u << 24 | 4;  // a free slot is not listed

  FunctionChooser chooser(0, u"Click", *macros);
  EXPECT_EQ(chooser.GameSelection(), 20);
  ASSERT_EQ(chooser.MacroRows().size(), 2u);
  chooser.ShowPage(kMacroPage);
  ASSERT_TRUE(chooser.Ok());
  EXPECT_EQ(chooser.Ok()->value, static_cast<std::int32_t>(21u << 24 | 3));
  EXPECT_EQ(chooser.Ok()->category, ChoiceCategory::macro);

  EXPECT_TRUE(chooser.OnGameSelectionChanged(2));
  ASSERT_EQ(chooser.MacroRows().size(), 1u);
  EXPECT_EQ(chooser.MacroRows()[0].name, u"cs");
  chooser.OnMacroSelectionChanged(-1);
  EXPECT_FALSE(chooser.OnGameSelectionChanged(2)) << "the same game keeps the list and its selection";
  EXPECT_EQ(chooser.MacroSelection(), -1);
}

TEST(ChooserLists, BasicFunctionsAreNamedTypesWithKnownKeys) {
  std::set<std::int32_t> types;
  for (const BasicFunction& f : kBasicFunctions) {
    EXPECT_FALSE(FunctionName(f.type, false).empty()) << f.type;
    EXPECT_TRUE(StringKeyIndex(f.key).has_value()) << f.key;
    types.insert(f.type);
  }
  EXPECT_EQ(types.size(), kBasicFunctionCount);
  EXPECT_EQ(types.count(11) + types.count(22) + types.count(121), 0u) << "wheel steps and disable are not offered";
  EXPECT_EQ(kBasicFunctions[9].type, 1) << "list position 10 is Click";
}

TEST(ChooserLists, GameTitlesAreTheChoosersOwnNotTheGameMenus) {
  EXPECT_EQ(ChooserGameTitle(20, false), u"Customisze");
  EXPECT_EQ(GameMenuTitle(21, false), u"Customize");
  EXPECT_EQ(ChooserGameTitle(0, true), u"战地 3");
  EXPECT_EQ(GameMenuTitle(1, true), u"战地 3 ");
  EXPECT_EQ(ChooserGameTitle(12, false), u"Dota 2 ");
  EXPECT_TRUE(ChooserGameTitle(21, false).empty());
}

// --- host actions ----------------------------------------------------------------------------

TEST_F(FunctionChooserTest, TheFirstSwitchedOnRowWithAPathIsTheHostAction) {
  chooser.ShowPage(kAdvancedPage);
  chooser.SwitchRow(0);
  EXPECT_FALSE(chooser.Ok()) << "a switch without a path chooses nothing";

  chooser.SetRowPath(1, u"C:\\Tools\\run.exe");
  EXPECT_FALSE(chooser.RowOn(0)) << "browsing a row switches it on and the others off";
  const auto result = chooser.Ok();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->category, ChoiceCategory::host_action);
  EXPECT_EQ(result->row, 1);
  EXPECT_EQ(result->value, (0xC0 + 0x10 + 3) * 0x10000 + 6);
  EXPECT_EQ(result->path, u"C:\\Tools\\run.exe");

  chooser.SetRowPath(2, std::u16string(300, u'x'));
  EXPECT_EQ(chooser.Ok()->path.size(), 259u);
  EXPECT_TRUE(BrowseFor(HostActionRow::folder).folder);
  EXPECT_EQ(BrowseFor(HostActionRow::sound).filter, u"(*.wav*)|*.wav*||");
}

}  // namespace
}  // namespace zk40
