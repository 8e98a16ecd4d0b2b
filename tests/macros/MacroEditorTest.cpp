#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "macros/MacroEditor.h"
#include "platform/Utf16Text.h"
#include "support/FakeFileSystem.h"
#include "support/MacroBuilder.h"
#include "support/MacroStoreRig.h"
#include "support/RecordingNotifier.h"

namespace zk40 {
namespace {

constexpr std::uint32_t kUp = kKeyUpFlag;
constexpr std::uint32_t Id(int group, std::uint32_t tick) { return std::uint32_t(group) << 24 | tick; }

using test::D;
using test::P;
using test::R;

class CountingRouting final : public RecorderRouting {
 public:
  void RouteKeysToPage() override { to_page = true; }
  void StopRouting() override { to_page = false; }
  bool to_page = false;
};

class MacroEditorTest : public ::testing::Test, protected test::MacroStoreRig {
 protected:
  MacroEditorTest() {
    settings->data_folder = u"C:\\data";
    fs.AddFolder(u"C:\\data");
    clock.Set(5000);
  }

  // Puts macros into the table and shows the player's own group.
  void Have(std::initializer_list<MacroRecord> records) {
    std::size_t slot = 0;
    for (const MacroRecord& r : records) settings->macros[slot++] = r;
    editor.ListGroup(21);
  }
  const MacroRecord* Stored(std::uint32_t id) { return macros.Find(id); }
  std::vector<std::uint32_t> StoredEvents(std::uint32_t id) {
    const MacroRecord* r = Stored(id);
    return r ? std::vector<std::uint32_t>(r->events, r->events + r->event_count) : std::vector<std::uint32_t>{};
  }
  void Key(std::uint32_t vk, std::uint32_t flags, std::uint64_t afterMs = 0) {
    clock.SleepMs(static_cast<std::uint32_t>(afterMs));
    editor.OnKeyEvent(vk, flags);
  }
  void Tap(std::uint32_t vk) {
    Key(vk, 0, 10);
    Key(vk, kUp, 10);
  }
  void Record(const std::function<void()>& typing) {
    editor.ToggleRecording();
    typing();
    editor.ToggleRecording();
  }

  CountingRouting routing;
  std::vector<std::u16string> debug;
  MacroEditor editor{{macros, *settings, notifier, clock, routing, [this](std::u16string_view t) { debug.emplace_back(t); }}};
};

// --- recording ------------------------------------------------------------------------------------

TEST_F(MacroEditorTest, RecordingKeepsTheMeasuredGapsBetweenKeysOnly) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1), u"A twice")});
  editor.ToggleRecording();
  EXPECT_TRUE(routing.to_page);
  EXPECT_FALSE(editor.EditButtonsEnabled());
  EXPECT_EQ(editor.RecordCaption(), u"Stop Record");
  EXPECT_TRUE(editor.Steps().empty()) << "a recording replaces the steps";
  Key('A', 0, 700);
  Key('A', 0, 30);  // the keyboard repeats a held key
  Key('A', kUp, 120);
  Key('A', 0, 400);
  Key('A', kUp, 0);  // within the same tick
  editor.ToggleRecording();

  const MacroSteps expected = {P('A'), D(150), R('A'), D(400), P('A'), D(0), R('A')};
  EXPECT_EQ(editor.Steps(), expected);
  EXPECT_FALSE(routing.to_page);
  EXPECT_EQ(StoredEvents(Id(21, 1)),
            (std::vector<std::uint32_t>{test::Press('A'), test::Delay(150), test::Release('A'), test::Delay(400),
                                        test::Press('A'), test::Delay(0), test::Release('A')}));
  EXPECT_EQ(ReadFixedText(Stored(Id(21, 1))->name), u"A twice");
}

TEST_F(MacroEditorTest, WithTheDelayToggleOnOnlyKeysAreRecorded) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  editor.SetDelayToggle(true);
  Record([&] {
    Tap('B');
    Tap('C');
  });
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('B'), R('B'), P('C'), R('C')}));
}

TEST_F(MacroEditorTest, ASinglePressIsStoredWithTheSinglePressLoopCount) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  Record([&] { Key('X', 0, 5); });
  EXPECT_EQ(Stored(Id(21, 1))->loop_count, kSingleKeyPressLoop);
  editor.ListGroup(21);
  EXPECT_EQ(editor.LoopText(), u"1");
}

TEST_F(MacroEditorTest, SwitchingMacroWhileRecordingSavesTheRecordedMacro) {
  Have({test::Macro(1, {test::Press('Y')}, Id(21, 1), u"one"), test::Macro(1, {test::Press('Z')}, Id(21, 2), u"two")});
  ASSERT_EQ(editor.MacroSelection(), 1);
  editor.ToggleRecording();
  Tap('Q');
  editor.OnMacroSelectionChanged(0);
  EXPECT_FALSE(editor.Recording());
  EXPECT_EQ(StoredEvents(Id(21, 2)), (std::vector<std::uint32_t>{test::Press('Q'), test::Delay(10), test::Release('Q')}));
  EXPECT_EQ(StoredEvents(Id(21, 1)), (std::vector<std::uint32_t>{test::Press('Y')}));
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('Y')}));
}

TEST_F(MacroEditorTest, ChoosingAGameWhileRecordingSavesTheRecordingIntoItsOwnMacro) {
  settings->macros[5] = test::Macro(1, {test::Press('G')}, Id(3, 7), u"cs");
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1), u"mine")});
  editor.ToggleRecording();
  Tap('W');
  EXPECT_TRUE(editor.SelectGameGroup(3));
  EXPECT_FALSE(editor.Recording());
  EXPECT_EQ(StoredEvents(Id(21, 1)), (std::vector<std::uint32_t>{test::Press('W'), test::Delay(10), test::Release('W')}));
  EXPECT_EQ(StoredEvents(Id(3, 7)), (std::vector<std::uint32_t>{test::Press('G')})) << "the game's macro is untouched";
  EXPECT_EQ(editor.GameCaption(), u"Counter-Strike: Global Offensive");
  EXPECT_FALSE(editor.SelectGameGroup(22));
  EXPECT_FALSE(editor.SelectGameGroup(0));
  EXPECT_EQ(editor.Group(), 3);
}

TEST_F(MacroEditorTest, KeyEventsThatArriveAfterTheRecordingStoppedAddNothing) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  Record([&] { Tap('A'); });
  Key('B', 0, 10);
  EXPECT_EQ(editor.Steps().size(), 3u);
}

TEST_F(MacroEditorTest, RecordingIsRefusedWhileAKeyOrADelayIsBeingEdited) {
  Have({test::Macro(1, {test::Press('Z'), test::Release('Z')}, Id(21, 1))});
  editor.Insert();
  editor.ToggleRecording();
  EXPECT_FALSE(editor.Recording());
  EXPECT_EQ(notifier.shown.back().text, kRecordNoticeKeyEnglish);
  editor.ChooseDelay();
  settings->ui_is_chinese = 1;
  editor.ToggleRecording();
  EXPECT_EQ(notifier.shown.back().text, kRecordNoticeDelayChinese);
  EXPECT_EQ(editor.Mode(), EditMode::inserting_delay) << "the edit goes on";
}

TEST_F(MacroEditorTest, NotifyButtonsBecomeMouseKeysOnlyWhileKeysAreTaken) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  EXPECT_FALSE(editor.OnNotifyButton(NotifyButton::left, true));
  editor.ToggleRecording();
  const auto middle = editor.OnNotifyButton(NotifyButton::middle, false);
  ASSERT_TRUE(middle);
  EXPECT_EQ(middle->code, 4u);
  EXPECT_EQ(middle->flags, kUp);
  EXPECT_EQ(editor.OnNotifyButton(NotifyButton::right, true)->code, 2u);
}

// --- the 1000-event limit ----------------------------------------------------------------------------

TEST_F(MacroEditorTest, AMacroNeverGrowsBeyondWhatARecordHolds) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  editor.ToggleRecording();
  // 999 keys with their gaps would be 1997 events.
  for (int i = 0; i < 600; ++i) Tap('A');
  EXPECT_TRUE(editor.StepRefused());
  editor.ToggleRecording();
  // A key with its gap takes two events: the 501st key would be the 1001st event.
  EXPECT_EQ(editor.EventCount(), 999u);
  EXPECT_EQ(Stored(Id(21, 1))->event_count, 999u);
  EXPECT_EQ(StepLimitText(false), u"A macro holds at most 1000 steps; this step was not added.");

  // Inserting a key pair into a full macro is refused the same way.
  editor.OnStepSelectionChanged(4);
  editor.Insert();
  editor.ChooseKey();
  editor.OnKeyEvent('K', 0);
  editor.KeyOk();
  EXPECT_TRUE(editor.StepRefused());
  EXPECT_EQ(editor.EventCount(), 999u);

  editor.DeleteStep();
  EXPECT_FALSE(editor.StepRefused());
}

// --- inserting, modifying, deleting ----------------------------------------------------------------------

TEST_F(MacroEditorTest, InsertedKeysGoAboveTheSelectedStep) {
  Have({test::Macro(1, {test::Press('A'), test::Release('A')}, Id(21, 1))});
  editor.OnStepSelectionChanged(1);
  editor.Insert();
  editor.ChooseKey();
  EXPECT_TRUE(routing.to_page);
  EXPECT_EQ(editor.OnKeyEvent('B', 0), 1);
  EXPECT_EQ(editor.KeyFieldCode(), static_cast<std::uint32_t>('B'));
  editor.KeyOk();
  EXPECT_FALSE(routing.to_page);
  EXPECT_EQ(editor.Mode(), EditMode::idle);
  EXPECT_EQ(editor.Controls(), EditControls{});
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), P('B'), R('B'), R('A')}));
  EXPECT_EQ(editor.StepSelection(), 2);
  EXPECT_EQ(Stored(Id(21, 1))->event_count, 4u);
}

TEST_F(MacroEditorTest, AnInsertedDelayJoinsANeighbouringDelay) {
  Have({test::Macro(1, {test::Press('A'), test::Delay(200), test::Release('A'), test::Press('B')}, Id(21, 1))});
  auto insertDelay = [&](int row, std::u16string_view text) {
    editor.OnStepSelectionChanged(row);
    editor.Insert();
    editor.ChooseDelay();
    editor.SetDelayText(text);
    editor.DelayOk();
  };
  insertDelay(2, u"100");  // the row above is a delay
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), D(300), R('A'), P('B')}));
  insertDelay(1, u"");  // the selected row is a delay; empty reads as 0
  EXPECT_EQ(editor.Steps()[1], D(300));
  insertDelay(3, u"400000");
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), D(300), R('A'), D(400000), P('B')})) << "a new row is not capped";
  insertDelay(4, u"5");
  EXPECT_EQ(editor.Steps()[3], D(327670)) << "a merge is capped";
  insertDelay(0, u"50");
  insertDelay(2, u"x");
  EXPECT_EQ(editor.Steps().size(), 5u) << "nothing goes above the first row, and text is no delay";
  EXPECT_EQ(editor.Controls(), EditControls{});
}

TEST_F(MacroEditorTest, ModifyingAKeyNeedsAKeyCapturedForThatEdit) {
  Have({test::Macro(1, {test::Press('A'), test::Release('A')}, Id(21, 1))});
  editor.OnStepSelectionChanged(1);
  editor.Modify();
  EXPECT_EQ(editor.Mode(), EditMode::modifying_key);
  editor.OnKeyEvent('C', 0);
  editor.KeyOk();
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), R('C')})) << "the partner row stays";

  editor.OnStepSelectionChanged(0);
  editor.Modify();
  editor.KeyOk();  // nothing typed: the key of the last edit must not be used
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), R('C')}));
}

TEST_F(MacroEditorTest, ModifyingADelay) {
  Have({test::Macro(1, {test::Press('A'), test::Delay(20), test::Release('A')}, Id(21, 1))});
  editor.OnStepSelectionChanged(1);
  editor.Modify();
  EXPECT_EQ(editor.Mode(), EditMode::modifying_delay);
  EXPECT_TRUE(editor.Controls().delay_edit_shown);
  EXPECT_FALSE(editor.Controls().key_edit_shown);
  editor.SetDelayText(u"99999999");
  editor.DelayOk();
  EXPECT_EQ(editor.Steps()[1], D(kMaxDelayMs));
  editor.Modify();
  editor.SetDelayText(u"1e3");
  editor.DelayOk();
  EXPECT_EQ(editor.Steps()[1], D(kMaxDelayMs));
  EXPECT_EQ(editor.Mode(), EditMode::idle);
}

TEST_F(MacroEditorTest, ASelectionChangeEndsAnEdit) {
  Have({test::Macro(1, {test::Press('A'), test::Release('A')}, Id(21, 1))});
  editor.OnStepSelectionChanged(0);
  editor.Modify();
  editor.OnStepSelectionChanged(1);
  EXPECT_EQ(editor.Mode(), EditMode::idle);
  EXPECT_FALSE(routing.to_page);
  EXPECT_EQ(editor.Controls(), EditControls{});
}

TEST_F(MacroEditorTest, DeletingStepsNeverStoresAMacroWithoutKeys) {
  Have({test::Macro(1, {test::Press('A'), test::Delay(30), test::Release('A'), test::Delay(40), test::Press('B')},
                    Id(21, 1))});
  editor.OnStepSelectionChanged(2);
  editor.DeleteStep();
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A'), D(70), P('B')})) << "the delays around it join";
  EXPECT_EQ(editor.StepSelection(), 1);
  EXPECT_EQ(Stored(Id(21, 1))->event_count, 3u);
  for (int row : {2, 0}) {
    editor.OnStepSelectionChanged(row);
    editor.DeleteStep();
  }
  EXPECT_EQ(editor.Steps(), (MacroSteps{D(70)}));
  EXPECT_EQ(StoredEvents(Id(21, 1)), (std::vector<std::uint32_t>{test::Press('A'), test::Delay(70)}))
      << "a delay alone is no macro";
  editor.OnStepSelectionChanged(0);
  editor.DeleteStep();
  EXPECT_EQ(Stored(Id(21, 1))->event_count, 2u) << "deleting the last step leaves the stored macro";
}

// --- macros -----------------------------------------------------------------------------------------------

TEST_F(MacroEditorTest, ANewMacroIsStoredByItsFirstRecording) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 0x1388))});  // the id the clock would give
  const int row = editor.NewMacro();
  ASSERT_EQ(row, 1);
  const std::uint32_t id = editor.MacroRows()[1].macro_id;
  EXPECT_EQ(editor.MacroRows()[1].name, u"New Macro");
  EXPECT_NE(id, Id(21, 0x1388)) << "a new macro never takes another macro's id";
  EXPECT_EQ(id >> 24, 21u);
  EXPECT_EQ(Stored(id), nullptr);

  editor.Insert();
  editor.ChooseKey();
  editor.OnKeyEvent('K', 0);
  editor.KeyOk();
  EXPECT_TRUE(editor.Steps().empty()) << "keys are inserted above a selected step only";

  editor.RenameMacro(row, u"Grenade");
  Record([&] { Tap('G'); });
  ASSERT_NE(Stored(id), nullptr);
  EXPECT_EQ(ReadFixedText(Stored(id)->name), u"Grenade");
  EXPECT_EQ(StoredEvents(Id(21, 0x1388)), (std::vector<std::uint32_t>{test::Press('Z')}));
}

TEST_F(MacroEditorTest, ABoundMacroCannotBeDeleted) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1), u"bound")});
  settings->current_record.buttons[3].function_type = 6;
  settings->current_record.buttons[3].macro_id = Id(21, 1);
  editor.DeleteMacro();
  EXPECT_EQ(notifier.shown.back().text, u"The macro is being applied and cannot be deleted!");
  EXPECT_EQ(editor.MacroRows().size(), 1u);
  EXPECT_EQ(editor.Steps().size(), 1u);

  settings->current_record.buttons[3].function_type = 1;
  editor.DeleteMacro();
  EXPECT_TRUE(editor.MacroRows().empty());
  EXPECT_TRUE(editor.Steps().empty());
  EXPECT_EQ(Stored(Id(21, 1)), nullptr);
}

TEST_F(MacroEditorTest, TheLoopCountFieldSavesEveryChangeAndIsNormalised) {
  Have({test::Macro(1, {test::Press('A'), test::Release('A')}, Id(21, 1))});
  editor.SetLoopText(u"007");
  EXPECT_EQ(Stored(Id(21, 1))->loop_count, 7u);
  editor.NormaliseLoopCount();
  EXPECT_EQ(editor.LoopText(), u"7");
  editor.SetLoopText(u"99999");
  editor.NormaliseLoopCount();
  EXPECT_EQ(editor.LoopText(), u"65533");
  EXPECT_EQ(Stored(Id(21, 1))->loop_count, 65533u);
  editor.SetLoopText(u"");
  editor.NormaliseLoopCount();
  EXPECT_EQ(editor.LoopText(), u"1");
  EXPECT_EQ(Stored(Id(21, 1))->loop_count, 1u);
}

TEST_F(MacroEditorTest, ShowingAMacroNeitherSavesNorGoesPastAnUnknownEvent) {
  MacroRecord odd = test::Macro(0, {test::Press('A'), 0x12000000, test::Release('A')}, Id(21, 1));
  odd.record_size = 9999;
  Have({odd});
  EXPECT_EQ(editor.Steps(), (MacroSteps{P('A')}));
  EXPECT_EQ(debug, (std::vector<std::u16string>{kListingStoppedText}));
  EXPECT_EQ(editor.LoopText(), u"0");
  editor.SetLoopText(u"0");  // the page writing back what it shows
  EXPECT_EQ(Stored(Id(21, 1))->record_size, 9999u);
  EXPECT_EQ(fs.CallCount(test::FsOp::write), 0);
}

// --- what the page shows ---------------------------------------------------------------------------------

TEST_F(MacroEditorTest, ThePreviewIsWhatASaveStores) {
  Have({test::Macro(1, {test::Press('Z')}, Id(21, 1))});
  EXPECT_EQ(editor.PreviewRecord()->event_count, 1u);
  editor.ToggleRecording();
  Tap('A');
  Tap('B');
  const auto preview = editor.PreviewRecord();
  editor.ToggleRecording();
  ASSERT_TRUE(preview);
  EXPECT_EQ(std::memcmp(&*preview, Stored(Id(21, 1)), sizeof(MacroRecord)), 0);
  editor.NewMacro();
  EXPECT_FALSE(editor.PreviewRecord()) << "an empty macro is not stored";
}

}  // namespace
}  // namespace zk40
