#include <gtest/gtest.h>

#include "macros/MacroStore.h"
#include "platform/ByteImage.h"
#include "support/FakeFileSystem.h"
#include "support/MacroBuilder.h"
#include "support/MacroStoreRig.h"
#include "support/RecordingNotifier.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FsOp;
using test::Macro;
using test::Press;
using test::Release;

const std::u16string kData = u"C:\\users\\u\\Temp\\OSTREL\\ZK40";
const std::u16string kPath = kData + u"\\Macro.cfg";
constexpr char16_t kInUse[] = u"The macro is being applied and cannot be deleted!";

constexpr std::uint32_t Id(int group, std::uint32_t tick) { return std::uint32_t(group) << 24 | tick; }

class MacroStoreTest : public ::testing::Test, protected test::MacroStoreRig {
 protected:
  MacroStoreTest() {
    settings->data_folder = kData;
    strings.Set("str_msg2", u"Cannot find %s");
    strings.Set("str_msg4", u"No access (4)");
    fs.AddFolder(kData);
  }

  void HaveFile() { fs.AddFile(kPath, Bytes(sizeof(MacroTable), 0)); }
  MacroTable& table() { return settings->macros; }
  MacroRecord Saved(std::size_t slot) {
    MacroRecord r;
    AssignFromBytes(r, std::span(fs.Bytes(kPath)).subspan(slot * sizeof(MacroRecord), sizeof(MacroRecord)));
    return r;
  }
  std::u16string LastText() const { return notifier.shown.empty() ? u"" : notifier.shown.back().text; }

};

// --- Macro.cfg -------------------------------------------------------------

TEST_F(MacroStoreTest, LoadFillsTheSlotsAShortFileHoldsAndLeavesTheRestFree) {
  MacroTable source{};
  source[0] = Macro(1, {Press('A')}, Id(21, 1), u"one");
  source[1] = Macro(1, {Press('B')}, Id(21, 2), u"two");
  const auto image = BytesOf(source);
  fs.AddFile(kPath, Bytes(image.begin(), image.begin() + sizeof(MacroRecord) * 2 + 100));
  table()[7].macro_id = 99;  // whatever was there before is gone

  EXPECT_EQ(macros.Load(), 1);
  EXPECT_EQ(macros.Find(Id(21, 2)), &table()[1]);
  EXPECT_EQ(table()[2].macro_id, 0u);
  EXPECT_EQ(table()[7].macro_id, 0u);
  EXPECT_EQ(macros.ListGroup(21).size(), 2u);
  EXPECT_TRUE(notifier.shown.empty());
}

// An empty file is read as an empty table (reading zero bytes into the table
// must not touch the empty buffer at all).
TEST_F(MacroStoreTest, AnEmptyMacroFileLoadsAnEmptyTable) {
  fs.AddFile(kPath, Bytes{});
  table()[3].macro_id = 99;
  EXPECT_EQ(macros.Load(), 1);
  EXPECT_EQ(table()[3].macro_id, 0u);
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(MacroStoreTest, LoadReportsOnlyAMissingFile) {
  EXPECT_EQ(macros.Load(), 0);
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_TRUE(notifier.shown[0].is_notice);
  EXPECT_EQ(notifier.shown[0].text, u"Cannot find " + kPath);

  HaveFile();
  fs.Fail(FsOp::read, kPath, FileStatus::access_denied);
  EXPECT_EQ(macros.Load(), 0);
  EXPECT_EQ(notifier.shown.size(), 1u);
}

TEST_F(MacroStoreTest, SaveWritesTheWholeTableBetweenTwoWaits) {
  HaveFile();
  table()[3] = Macro(5, {Press('C')}, Id(2, 3));
  macros.Save();
  EXPECT_EQ(fs.Bytes(kPath).size(), 2052000u);
  EXPECT_EQ(Saved(3).loop_count, 5u);
  EXPECT_EQ(clock.NowMs(), 200u);
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(MacroStoreTest, SaveOfAMissingFileTellsTheUserAndCreatesIt) {
  macros.Save();
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_FALSE(notifier.shown[0].is_notice);
  EXPECT_EQ(notifier.shown[0].text, u"Cannot find " + kPath);
  EXPECT_EQ(notifier.shown[0].caption, u"Info");
  EXPECT_TRUE(fs.HasFile(kPath));
}

TEST_F(MacroStoreTest, SaveReportsDeniedAccessAndKeepsTheOldFile) {
  macros.Save();  // creates it
  notifier.shown.clear();
  fs.Fail(FsOp::create_new, u"", FileStatus::access_denied);
  table()[0] = Macro(1, {Press('A')}, Id(21, 1));
  macros.Save();
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_EQ(notifier.shown[0].text, u"No access (4)");
  EXPECT_EQ(Saved(0).macro_id, 0u);

  fs.Fail(FsOp::create_new, u"", FileStatus::disk_full);
  macros.Save();
  EXPECT_EQ(notifier.shown.size(), 1u);  // other failures stay silent
}

// --- store ------------------------------------------------------------------

TEST_F(MacroStoreTest, StoreRefusesRecordsThatAreNotMacros) {
  HaveFile();
  MacroRecord small = Macro(1, {Press('A')}, Id(21, 1));
  small.record_size = 4100;
  MacroRecord foreign = Macro(1, {Press('A')}, Id(21, 1));
  foreign.magic = 0x12340010;
  EXPECT_EQ(macros.Store(nullptr), 0);
  EXPECT_EQ(macros.Store(&small), 0);
  EXPECT_EQ(macros.Store(&foreign), 0);
  EXPECT_EQ(fs.CallCount(FsOp::create_new), 0);
  MacroRecord otherLowHalf = Macro(1, {Press('A')}, Id(21, 1));
  otherLowHalf.magic = 0xE8E80000;
  EXPECT_EQ(macros.Store(&otherLowHalf), 1);
}

TEST_F(MacroStoreTest, StoreReplacesTheSlotOfTheSameIdEvenWhenAnEarlierOneIsFree) {
  HaveFile();
  table()[5] = Macro(1, {Press('A'), Release('A'), Press('B'), Release('B')}, Id(21, 7), u"old");
  table()[5].reserved = 0;
  MacroRecord shorter = Macro(3, {Press('C')}, Id(21, 7), u"new");
  shorter.reserved = 0xABCD;
  ASSERT_EQ(macros.Store(&shorter), 1);
  const MacroRecord& slot = table()[5];
  EXPECT_EQ(slot.event_count, 1u);
  EXPECT_EQ(slot.events[1], 0u);  // the old macro's tail is cleared
  EXPECT_EQ(slot.loop_count, 3u);
  EXPECT_EQ(slot.reserved, 0xABCDu);
  EXPECT_EQ(ReadFixedText(slot.name), u"new");
  EXPECT_EQ(table()[0].magic, 0u);
  EXPECT_EQ(Saved(5).loop_count, 3u);
}

TEST_F(MacroStoreTest, StoreTakesTheFirstSlotWithoutMagicAndRefusesAFullTable) {
  HaveFile();
  table()[0] = Macro(1, {Press('A')}, Id(21, 1));
  table()[1].record_size = 4104;  // a size alone does not make a slot taken
  const MacroRecord single = Macro(0xFFFE, {Press('A')}, Id(21, 2));
  ASSERT_EQ(macros.Store(&single), 1);
  EXPECT_EQ(table()[1].macro_id, Id(21, 2));
  EXPECT_EQ(table()[1].loop_count, 0xFFFEu);

  for (std::size_t i = 0; i < kMacroSlots; ++i) table()[i] = Macro(1, {Press('A')}, Id(21, 100 + std::uint32_t(i)));
  const int writes = fs.CallCount(FsOp::create_new);
  const MacroRecord extra = Macro(1, {Press('A')}, Id(21, 9999));
  EXPECT_EQ(macros.Store(&extra), 0);
  EXPECT_EQ(fs.CallCount(FsOp::create_new), writes);
  EXPECT_TRUE(notifier.shown.empty());
}

// Regression: a record claiming more than 1000 events was copied past the slot.
TEST_F(MacroStoreTest, StoreNeverCopiesMoreThanTheRecordsEvents) {
  HaveFile();
  MacroRecord claims = Macro(1, {Press('A')}, Id(21, 5), u"name");
  claims.event_count = 5000;
  table()[1].macro_id = Id(3, 3);
  ASSERT_EQ(macros.Store(&claims), 1);
  EXPECT_EQ(table()[0].event_count, 1000u);
  EXPECT_EQ(ReadFixedText(table()[0].name), u"name");
  EXPECT_EQ(table()[1].macro_id, Id(3, 3));
}

// --- delete -----------------------------------------------------------------

TEST_F(MacroStoreTest, DeleteRefusesAMacroBoundInAnyProfileOrTheLiveAssignments) {
  HaveFile();
  table()[0] = Macro(1, {Press('A')}, Id(21, 1));
  settings->current_entry = 0;
  settings->index[3].entry_macro_ids[6] = Id(21, 1);
  EXPECT_EQ(macros.Delete(Id(21, 1)), 0);
  EXPECT_EQ(LastText(), kInUse);
  settings->ui_is_chinese = 1;
  EXPECT_EQ(macros.Delete(Id(21, 1)), 0);
  EXPECT_EQ(LastText(), u"当前宏正在被使用，不能删除！");
  EXPECT_EQ(fs.CallCount(FsOp::create_new), 0);
  EXPECT_EQ(table()[0].macro_id, Id(21, 1));

  settings->index[3].entry_macro_ids[6] = 0;
  settings->current_record.buttons[2].macro_id = Id(21, 1);
  settings->current_record.buttons[2].function_type = 6;
  EXPECT_EQ(macros.Delete(Id(21, 1)), 0);
  settings->current_record.buttons[2].function_type = 2;  // the id alone does not bind it
  settings->bound_macro_ids[2] = Id(21, 1);               // nor the ids of the last upload being edited
  EXPECT_EQ(macros.Delete(Id(21, 1)), 1);
  EXPECT_EQ(table()[0].macro_id, 0u);
  EXPECT_EQ(table()[0].magic, 0u);
}

TEST_F(MacroStoreTest, DeletingAMacroThatWasNeverStoredStillRewritesTheFile) {
  HaveFile();
  table()[0] = Macro(1, {Press('A')}, Id(21, 1));
  EXPECT_EQ(macros.Delete(Id(21, 2)), 1);
  EXPECT_EQ(fs.CallCount(FsOp::create_new), 1);
  EXPECT_EQ(table()[0].macro_id, Id(21, 1));
  EXPECT_FALSE(macros.IsInUse(0));  // unbound buttons hold 0: it is never a macro in use
}

// --- lists and names ----------------------------------------------------------

TEST_F(MacroStoreTest, GroupListsShowOccupiedSlotsInTableOrder) {
  table()[4] = Macro(1, {Press('A')}, Id(21, 4), u"four");
  table()[2] = Macro(1, {Press('A')}, Id(21, 2), u"two");
  table()[3] = Macro(1, {Press('A')}, Id(5, 3), u"other group");
  table()[6].magic = kMacroMagic;  // magic without a size still counts
  table()[6].macro_id = Id(21, 6);
  table()[7].macro_id = Id(21, 7);  // an id alone does not
  const auto list = macros.ListGroup(21);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, u"two");
  EXPECT_EQ(list[1].macro_id, Id(21, 4));
  EXPECT_EQ(list[2].macro_id, Id(21, 6));
}

TEST_F(MacroStoreTest, RenameCutsToTwentyCharactersAndSavesOnlyAChange) {
  HaveFile();
  table()[1] = Macro(1, {Press('A')}, Id(21, 1), u"old");
  EXPECT_EQ(macros.Rename(Id(21, 1), u"a name of thirty characters..."), 1);
  EXPECT_EQ(ReadFixedText(table()[1].name), u"a name of thirty cha");
  EXPECT_EQ(ReadFixedText(Saved(1).name), u"a name of thirty cha");
  EXPECT_EQ(macros.Rename(Id(21, 1), u"a name of thirty characters..."), 0);
  EXPECT_EQ(macros.Rename(Id(21, 9), u"x"), 0);
  EXPECT_EQ(fs.CallCount(FsOp::create_new), 1);
}

}  // namespace
}  // namespace zk40
