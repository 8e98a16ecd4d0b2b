// The owner-drawn list as a real window driven by messages: what its rows
// hold, and how the in-place editor ends (committed, dropped, replaced by the
// editor of another list).
#include <gtest/gtest.h>

#include <vector>

#include "pages/ListBoxEx_win32.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "support/MessagePump_win32.h"

namespace zk40 {
namespace {

struct Posted {
  UINT message;
  WPARAM id;
  LPARAM row;
};

// The page the lists tell about selections and renames.
class Target final : public CWnd {
 public:
  std::vector<Posted> posted;

  Target() {
    SetCursorPos(1200, 1000);
    WindowCreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = RECT{0, 0, 400, 300};
    Create(args);
  }
  int Count(UINT message) const {
    int n = 0;
    for (const Posted& p : posted) n += p.message == message;
    return n;
  }

 protected:
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    posted.push_back({msg, wp, lp});
    result = 0;
    return true;
  }
};

class ListBoxExTest : public ::testing::Test {
 protected:
  void Make(CListBoxEx& made, int left, UINT id) {
    ControlCreateArgs args;
    args.rect = RECT{left, 10, left + 150, 130};
    args.parent = &target;
    args.id = id;
    ASSERT_TRUE(made.Create(args));
    made.SetRenameEnabled(true);
  }
  void Type(const CListBoxEx& in, const wchar_t* text) { SetWindowTextW(in.Editor(), text); }

  Target target;
  CListBoxEx list;
};

TEST_F(ListBoxExTest, RowsKeepTheirPackedDataAndEachAddSelectsIt) {
  Make(list, 10, 10002);
  EXPECT_EQ(list.AddRow(RowKind::plain, u"Reload", 0x15000001), 0);
  EXPECT_EQ(list.RowData(0), 0x15000001u) << "a macro row keeps its game-group byte";
  EXPECT_EQ(list.AddRow(RowKind::delay, u"16777221 ms", 16777216 + 5), 1);
  EXPECT_EQ(list.RowData(1), 0x04000005u) << "a delay keeps only its low 24 bits under its kind";
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.InsertRow(0, RowKind::key_press, u"A", 'A'), 0);
  EXPECT_EQ(list.SelectedRow(), 0);
  EXPECT_EQ(list.ReplaceRow(2, RowKind::key_release, u"B", 'B'), 2);
  EXPECT_EQ(list.RowData(2), 0x02000042u);
  EXPECT_EQ(list.GetText(2), u"B");
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_LT(list.ReplaceRow(7, RowKind::plain, u"none", 1), 0) << "no row 7: nothing is inserted";
  EXPECT_EQ(list.RowCount(), 3);
}

TEST_F(ListBoxExTest, AFocusLossCommitsTheNewNameAndKeepsTheRowData) {
  Make(list, 10, 10002);
  list.SetNotifyTarget(target.GetSafeHwnd());
  list.AddRow(RowKind::plain, u"Alpha", 0x15000001);
  list.AddRow(RowKind::plain, u"Beta", 0x15000002);
  list.OpenEditor(0);
  ASSERT_NE(list.Editor(), nullptr);
  EXPECT_EQ(list.EditorRow(), 0);
  wchar_t shown[32] = {};
  GetWindowTextW(list.Editor(), shown, 32);
  EXPECT_EQ(FromWide(shown), u"Alpha");
  EXPECT_EQ(SendMessageW(list.Editor(), EM_GETLIMITTEXT, 0, 0), 20);
  Type(list, L"Burst");
  SetFocus(target.GetSafeHwnd());
  test::PumpMessagesFor(50);
  EXPECT_EQ(list.Editor(), nullptr);
  EXPECT_EQ(list.EditorRow(), -1);
  EXPECT_EQ(list.GetText(0), u"Burst");
  EXPECT_EQ(list.RowData(0), 0x15000001u);
  EXPECT_EQ(list.SelectedRow(), 0);
  ASSERT_EQ(target.Count(msg::kListRowEdited), 1);
  EXPECT_EQ(target.posted.back().id, 10002u);
  EXPECT_EQ(target.posted.back().row, 0);
}

TEST_F(ListBoxExTest, AddingARowWhileRenamingDropsTheEditWithoutNotice) {
  Make(list, 10, 10002);
  list.SetNotifyTarget(target.GetSafeHwnd());
  list.AddRow(RowKind::plain, u"Alpha", 1);
  list.OpenEditor(0);
  Type(list, L"Lost");
  list.AddRow(RowKind::plain, u"Beta", 2, true);
  test::PumpMessagesFor(50);
  EXPECT_EQ(list.GetText(0), u"Alpha");
  EXPECT_EQ(target.Count(msg::kListRowEdited), 0);
  EXPECT_EQ(list.EditorRow(), 1) << "the add opened the editor on the new row";
}

TEST_F(ListBoxExTest, OpeningAnEditorOnAnotherListCommitsTheFirst) {
  CListBoxEx other;
  Make(list, 10, 10001);
  Make(other, 200, 10002);
  list.SetNotifyTarget(target.GetSafeHwnd());
  other.SetNotifyTarget(target.GetSafeHwnd());
  list.AddRow(RowKind::plain, u"Alpha", 1);
  other.AddRow(RowKind::plain, u"Beta", 2);
  list.OpenEditor(0);
  Type(list, L"First");
  other.OpenEditor(0);
  test::PumpMessagesFor(50);
  EXPECT_EQ(list.Editor(), nullptr);
  EXPECT_NE(other.Editor(), nullptr);
  EXPECT_EQ(list.GetText(0), u"First");
  ASSERT_EQ(target.Count(msg::kListRowEdited), 1);
  EXPECT_EQ(target.posted.back().id, 10001u);
}

}  // namespace
}  // namespace zk40
