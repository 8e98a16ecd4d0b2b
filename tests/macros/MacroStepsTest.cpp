#include <gtest/gtest.h>

#include <random>

#include "macros/GameGroups.h"
#include "macros/ListItemData.h"
#include "macros/MacroSteps.h"
#include "platform/Utf16Text.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

using test::D;
using test::P;
using test::R;

std::vector<std::uint32_t> Events(const MacroRecord& r) {
  return std::vector<std::uint32_t>(r.events, r.events + MacroEventCount(r));
}

// --- build ------------------------------------------------------------------------------

TEST(BuildMacro, DropsLeadingDelaysAndMergesRunsOfDelaysUpToTheCap) {
  const MacroSteps rows = {D(40), D(10), P('A'), D(200), D(100), R('A'), D(300000), D(27670), D(1), P('B')};
  const BuiltMacro built = BuildMacro(rows, u"3", 21u << 24 | 9, u"combo");
  EXPECT_EQ(built.merged, (MacroSteps{D(50), P('A'), D(300), R('A'), D(327670), P('B')}));
  EXPECT_EQ(built.last_merged_row, 4u);
  EXPECT_EQ(Events(built.record),
            (std::vector<std::uint32_t>{test::Press('A'), test::Delay(300), test::Release('A'), test::Delay(327670),
                                        test::Press('B')}));
  EXPECT_EQ(built.record.record_size, 4100u + 4 * 10) << "counted before merging";
  EXPECT_EQ(built.record.magic, kMacroMagic);
  EXPECT_EQ(built.record.macro_id, 21u << 24 | 9);
  EXPECT_EQ(built.record.loop_count, 3u);
  EXPECT_EQ(ReadFixedText(built.record.name), u"combo");
}

TEST(BuildMacro, OneKeyPressAloneGetsTheSinglePressLoopCount) {
  EXPECT_EQ(BuildMacro({D(5), P('Q')}, u"9", 1, u"").record.loop_count, kSingleKeyPressLoop);
  EXPECT_EQ(BuildMacro({R('Q')}, u"9", 1, u"").record.loop_count, 9u);
  EXPECT_EQ(BuildMacro({P('Q'), P('Q')}, u"9", 1, u"").record.loop_count, 9u);
  EXPECT_EQ(LoopTextOf(BuildMacro({P('Q')}, u"9", 1, u"").record), u"1");
}

TEST(BuildMacro, NamesAreCutToTwentyCharacters) {
  const BuiltMacro built = BuildMacro({P('A')}, u"1", 1, u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(ReadFixedText(built.record.name), u"abcdefghijklmnopqrst");
}

TEST(BuildMacro, TheEventCountOfTheLimitCheckIsTheOneASaveWrites) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    MacroSteps rows;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) {
      const auto kind = random() % 3;
      rows.push_back(kind == 0 ? P('A') : kind == 1 ? R('A') : D(static_cast<std::uint32_t>(random() % 400000)));
    }
    EXPECT_EQ(BuiltEventCount(rows), BuildMacro(rows, u"1", 1, u"").record.event_count) << "round " << round;
  }
}

// --- loop count and delay fields --------------------------------------------------------------

TEST(LoopCountField, ReadsAndNormalisesTheWayTheUserExpects) {
  EXPECT_EQ(ReadLoopCount(u"007"), 7u);
  EXPECT_EQ(ReadLoopCount(u"0"), 1u);
  EXPECT_EQ(ReadLoopCount(u""), 1u);
  EXPECT_EQ(ReadLoopCount(u"99999"), 65533u);
  EXPECT_EQ(ReadLoopCount(u"12a"), 1u);
  EXPECT_EQ(ReadLoopCount(u"184467440737095516161"), 65533u) << "no overflow";

  EXPECT_EQ(NormaliseLoopText(u"007"), u"7");
  EXPECT_EQ(NormaliseLoopText(u"0"), u"1");
  EXPECT_EQ(NormaliseLoopText(u""), u"1");
  EXPECT_EQ(NormaliseLoopText(u"99999"), u"65533");
  EXPECT_EQ(NormaliseLoopText(u"-3"), u"1");
  EXPECT_FALSE(NormaliseLoopText(u"65533"));
  EXPECT_FALSE(NormaliseLoopText(u"5"));
}

TEST(DelayField, EmptyReadsAsZeroAndTextAsNothing) {
  EXPECT_EQ(ReadDelayText(u""), 0u);
  EXPECT_EQ(ReadDelayText(u"250"), 250u);
  EXPECT_FALSE(ReadDelayText(u"2.5"));
  EXPECT_FALSE(ReadDelayText(u" 5"));
}

TEST(StepsOf, ListsUpToTheFirstEventOfAnUnknownKind) {
  const MacroRecord r = test::Macro(1, {test::Press('A'), test::Delay(70), 0x55000001, test::Release('A')});
  const StepsFromRecord listed = StepsOf(r);
  EXPECT_EQ(listed.steps, (MacroSteps{P('A'), D(70)}));
  EXPECT_TRUE(listed.stopped);
}

// --- list rows ----------------------------------------------------------------------------------

TEST(ListItemData, MacroRowsKeepTheirWholeIdAndStepRowsTwentyFourBits) {
  const std::uint32_t id = 13u << 24 | 0xABCDEF;
  EXPECT_EQ(PackItemData(RowKind::plain, id), id);
  EXPECT_EQ(PackItemData(RowKind::delay, 16777216 + 5), 4u << 24 | 5);
  EXPECT_EQ(PackItemData(RowKind::key_press, 'A'), 3u << 24 | 'A');
  EXPECT_EQ(ItemValue(PackItemData(RowKind::key_release, 0x1001)), 0x1001u);
}

TEST(ListItemData, RowsOfKindsWithIconsLeaveRoomForThem) {
  const RowLayout press = LayoutRow(PackItemData(RowKind::key_press, 'A'), true, true);
  EXPECT_EQ(press.icon_file, u"down_select.png");
  EXPECT_EQ(press.text_left, 26);
  EXPECT_EQ(LayoutRow(PackItemData(RowKind::delay, 5), true, false).icon_file, u"delay_normal.png");
  const RowLayout indented = LayoutRow(PackItemData(RowKind::indented, 0), true, false);
  EXPECT_TRUE(indented.icon_file.empty());
  EXPECT_EQ(indented.text_left, 26);
  EXPECT_EQ(LayoutRow(PackItemData(RowKind::key_release, 'A'), false, false).text_left, 5) << "icons off";
  EXPECT_EQ(LayoutRow(21u << 24 | 7, false, false).text_left, 5) << "a macro row in a list without icons";
}

TEST(ListItemData, RowFillsPerDrawingAction) {
  EXPECT_EQ(PaintRow(true, false, DrawAction::focus_changed).fill, RowFill::selection);
  EXPECT_EQ(PaintRow(false, false, DrawAction::selection_changed).fill, RowFill::background);
  EXPECT_EQ(PaintRow(false, false, DrawAction::draw_entire).fill, RowFill::none);
  EXPECT_EQ(PaintRow(true, false, DrawAction::draw_entire).text, RowTextColour::selected);
  EXPECT_EQ(PaintRow(true, true, DrawAction::draw_entire).text, RowTextColour::disabled);

  RowHover hover;
  EXPECT_FALSE(hover.MoveTo(-1, false));
  const auto first = hover.MoveTo(2, false);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->previous, -1);
  EXPECT_FALSE(hover.MoveTo(2, false));
  EXPECT_FALSE(hover.MoveTo(3, true)) << "no hover while renaming";
  EXPECT_EQ(hover.MoveTo(3, false)->previous, 2);
  EXPECT_EQ(hover.Leave()->previous, 3);
  EXPECT_FALSE(hover.Leave());
}

// --- game menu -------------------------------------------------------------------------------------

TEST(GameGroups, MenuEntriesAndCaptions) {
  const auto entries = BuildGameMenuEntries(false);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].flag, 255u);
    EXPECT_EQ(entries[i].id, i + 1);
  }
  EXPECT_EQ(ReadFixedText(entries[0].title), u"Battlefield 3 ");
  EXPECT_EQ(ReadFixedText(BuildGameMenuEntries(true)[12].title), u"远古遗迹守卫2（Dota 2） ");
  EXPECT_EQ(GameCaptionTitle(1, false), u"Battlefield 3");
  EXPECT_EQ(GameCaptionTitle(5, true), u"军团要塞 2");
  EXPECT_EQ(GameCaptionTitle(5, false), u"Team Fortress 2");
  EXPECT_EQ(GameCaptionTitle(21, false), u"Customisze");
  EXPECT_EQ(GameCaptionTitle(21, true), u"玩家自定义");
  EXPECT_TRUE(GameCaptionTitle(22, false).empty());
}

}  // namespace
}  // namespace zk40
