// chooser_probe chooser SKIN_SET LANGUAGE_FILE [--chinese] [BUTTON]: runs the
// function chooser over an owner window for BUTTON (default 3), with the low-
// level hooks installed, three macros in the store (group 21: "Reload",
// "Burst"; group 1: "Jump") and the texts of LANGUAGE_FILE. Prints
//   ready X Y                 the chooser's screen position, once it shows
//   result CAT 0xVALUE ROW PATH   what it handed back (or "cancelled")
//   keys N                    key events the hooks still report (0 expected)
// chooser_probe list SKIN_SET: a renamable list of four rows. Prints
//   ready X Y                 the list's screen position
//   selected ID ROW / edited ID ROW   messages 1125 and 1136 it sent
//   editor open R / editor closed
//   rows A|B|C|D              the rows' texts after every change
// Paths given as /unix/paths are reached through Wine's Z: drive. A right
// click on the owner ends the list probe; both end after 60 seconds.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "ProbeOutput.h"
#include "ProbeSettings.h"
#include "i18n/LanguageLoader.h"
#include "i18n/SharedXmlDocument.h"
#include "pages/SettingDlg_win32.h"
#include "platform/CodePage.h"
#include "platform/KeyboardLayout_win32.h"
#include "platform/SystemFileSystem.h"
#include "platform/WindowMessages.h"
#include "shell/HostInputHooks_win32.h"
#include "skin/GdiPlus_win32.h"
#include "skin/SharedPictures_win32.h"
#include "skin/layout/SkinResourceIds.h"
#include "support/MacroBuilder.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kFindChooserTimer = 7;

std::string Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

class Owner final : public CWnd {
 public:
  CListBoxEx* list = nullptr;

 protected:
  bool OnTimer(UINT_PTR id) override {
    if (id != kFindChooserTimer) return false;
    // The modal chooser is the thread's visible dialog window.
    HWND chooser = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) -> BOOL {
          wchar_t name[16] = {};
          GetClassNameW(hwnd, name, 16);
          if (std::wstring_view(name) != L"#32770" || !::IsWindowVisible(hwnd)) return TRUE;
          *reinterpret_cast<HWND*>(found) = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&chooser));
    if (chooser) {
      RECT r{};
      ::GetWindowRect(chooser, &r);
      Print("ready %ld %ld\n", r.left, r.top);
      KillTimer(kFindChooserTimer);
    }
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == msg::kListSelectionChanged) Print("selected %u %ld\n", static_cast<unsigned>(wp), static_cast<long>(lp));
    if (msg == msg::kListRowEdited) Print("edited %u %ld\n", static_cast<unsigned>(wp), static_cast<long>(lp));
    result = 0;
    return msg == msg::kListSelectionChanged || msg == msg::kListRowEdited;
  }
  bool OnRButtonUp(UINT, POINT) override {
    PostQuitMessage(0);
    return true;
  }
};

bool MakeOwner(Owner& owner, int width, int height) {
  WindowCreateArgs args;
  args.title = u"chooser probe";
  args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  args.rect = RECT{0, 0, width, height};
  if (!owner.Create(args)) return false;
  SetForegroundWindow(owner.GetSafeHwnd());
  return true;
}

int RunChooser(const std::u16string& skinSet, const std::u16string& languageFile, bool chinese, int button) {
  ProbeSettings settings(skinSet, languageFile, chinese);
  StringTable& strings = settings.strings;
  auto& store = settings.store;
  store->macros[0] = test::Macro(1, {test::Press('R'), test::Release('R')}, 0x15000001, u"Reload");
  store->macros[1] = test::Macro(1, {test::Press('J'), test::Release('J')}, 0x01000003, u"Jump");
  store->macros[2] = test::Macro(3, {test::Press('F'), test::Release('F')}, 0x15000002, u"Burst");

  Owner owner;
  if (!MakeOwner(owner, 800, 560)) return 1;
  static HookState hooks;
  if (!HostInputHooks::InstallHooks(hooks, owner.GetSafeHwnd())) {
    Print("no hooks\n");
    return 1;
  }
  Win32KeyboardLayout keyboard;
  const ChooserContext context{*store, strings, hooks, keyboard};
  owner.SetTimer(kFindChooserTimer, 100);
  const std::optional<ChooserResult> result = RunFunctionChooser(owner, context, button, u"Forward");
  if (result) {
    Print("result %d 0x%08X %d %s\n", static_cast<int>(result->category), static_cast<unsigned>(result->value),
          result->row, result->path.empty() ? "-" : Narrow(result->path).c_str());
  } else {
    Print("cancelled\n");
  }
  Print("keys %d\n", hooks.OnKeyEvent('A', 0).post_count);
  HostInputHooks::RemoveHooks();
  return 0;
}

std::string RowTexts(const CListBoxEx& list) {
  std::string rows;
  for (int i = 0; i < list.RowCount(); ++i) rows += (i ? "|" : "") + Narrow(list.GetText(i));
  return rows;
}

int RunList(const std::u16string& skinSet) {
  Owner owner;
  if (!MakeOwner(owner, 400, 300)) return 1;
  CListBoxEx list;
  ControlCreateArgs args;
  args.rect = RECT{40, 40, 240, 140};
  args.parent = &owner;
  args.id = 10002;
  if (!list.Create(args)) return 1;
  list.SetIconFolder(skinSet + u"\\");
  list.SetRenameEnabled(true);
  list.SetNotifyTarget(owner.GetSafeHwnd());
  const SharedBitmap skin = SharedPictures::Resource(layout::kScrollBarSkinBitmap);
  (void)list.AttachScrollFrame(skin->get());
  list.AddRow(RowKind::plain, u"Alpha", 0x15000001);
  list.AddRow(RowKind::plain, u"Beta", 0x15000002);
  list.AddRow(RowKind::plain, u"Gamma", 0x15000003);
  list.AddRow(RowKind::key_press, u"Delta", 'D');
  RECT r = list.GetWindowRect();
  Print("ready %ld %ld\n", r.left, r.top);
  Print("rows %s\n", RowTexts(list).c_str());

  std::string rows = RowTexts(list);
  bool open = false;
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 60000) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return 0;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if ((list.Editor() != nullptr) != open) {
      open = !open;
      if (open) Print("editor open %d\n", list.EditorRow());
      else Print("editor closed\n");
    }
    if (RowTexts(list) != rows) {
      rows = RowTexts(list);
      Print("rows %s\n", rows.c_str());
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return 0;
}

}  // namespace
}  // namespace zk40

int main(int argc, char** argv) {
  zk40::GdiPlusSession gdiplus;
  if (argc >= 3 && std::strcmp(argv[1], "list") == 0) return zk40::RunList(zk40::WindowsPath(argv[2]));
  if (argc < 4 || std::strcmp(argv[1], "chooser") != 0) {
    std::printf("usage: chooser_probe chooser SKIN_SET LANGUAGE_FILE [--chinese] [BUTTON] | list SKIN_SET\n");
    return 2;
  }
  bool chinese = false;
  int button = 3;
  for (int i = 4; i < argc; ++i) {
    if (std::strcmp(argv[i], "--chinese") == 0) chinese = true;
    else button = std::atoi(argv[i]);
  }
  return zk40::RunChooser(zk40::WindowsPath(argv[2]), zk40::WindowsPath(argv[3]), chinese, button);
}
