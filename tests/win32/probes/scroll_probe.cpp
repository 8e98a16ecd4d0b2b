// scroll_probe MODE [POSITION]: skinned scroll bars under real input. The
// skin is the tests' own (one solid colour per cell). Prints one line each:
//   ready X Y W H        screen rectangle of the skinned vertical bar
//   scroll CODE POS T    (bar) WM_VSCROLL reached the owner at T ms after the
//                        first one; POS is the position after handling it
//   page P of N          (list) rows per page and rows in all
//   top N                (list) the list's first visible row changed
// MODE "bar": a lone bar over 30 rows showing 10 (positions 0..20), at
// POSITION (default 0); the owner steps it as a list would.
// MODE "list": a 40-row list box with its own vertical bar, wrapped in the
// skinned frame.
// A right click on the owner window (away from the bar) ends the probe;
// otherwise it ends after 30 seconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "skin/SkinScrollBar_win32.h"
#include "skin/SkinScrollWnd_win32.h"
#include "support/ScrollSkinPicture_win32.h"

namespace zk40 {
namespace {

constexpr int kCell = 18;

void PrintRect(const char* what, HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  std::printf("%s %ld %ld %ld %ld\n", what, r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
}

class Owner : public CWnd {
 protected:
  bool OnRButtonUp(UINT, POINT) override {
    PostQuitMessage(0);
    return true;
  }
};

// The owner of a lone bar: moves the position the way a list does.
class BarOwner final : public Owner {
 public:
  CSkinScrollBar bar;

 protected:
  bool OnScroll(UINT, int code, int position, HWND control) override {
    if (control != bar.GetSafeHwnd()) return false;
    skin::ScrollValues v = bar.Values();
    const int last = skin::LastScrollPosition(v);
    switch (code) {
      case SB_LINEUP: v.position -= 1; break;
      case SB_LINEDOWN: v.position += 1; break;
      case SB_PAGEUP: v.position -= v.page; break;
      case SB_PAGEDOWN: v.position += v.page; break;
      case SB_THUMBPOSITION: v.position = position; break;
      default: break;
    }
    v.position = std::clamp(v.position, v.minimum, last);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, v.position, 0};
    bar.SendMessage(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
    const DWORD now = GetTickCount();
    if (first_ == 0) first_ = now;
    std::printf("scroll %d %d %lu\n", code, v.position, static_cast<unsigned long>(now - first_));
    std::fflush(stdout);
    return true;
  }

 private:
  DWORD first_ = 0;
};

bool MakeOwner(Owner& owner) {
  WindowCreateArgs args;
  args.title = u"scroll probe";
  args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  args.rect = RECT{0, 0, 400, 320};
  return owner.Create(args);
}

void RunFor(DWORD milliseconds, HWND list) {
  const DWORD start = GetTickCount();
  int top = list ? static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) : 0;
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (list && IsWindow(list)) {
      const int now = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
      if (now != top) {
        top = now;
        std::printf("top %d\n", top);
        std::fflush(stdout);
      }
    }
    Sleep(5);
  }
}

int RunBar(int position) {
  const Bitmap skin = test::MakeScrollSkin(kCell);
  BarOwner owner;
  if (!MakeOwner(owner)) return 1;
  CSkinScrollBar::CreateArgs args;
  args.parent = &owner;
  args.rect = RECT{100, 50, 120, 250};
  args.vertical = true;
  if (!owner.bar.Create(args)) return 1;
  owner.bar.SetSkin(skin.get());
  owner.bar.SetValues({0, 29, 10, position}, true);
  PrintRect("ready", owner.bar.GetSafeHwnd());
  RunFor(30000, nullptr);
  return 0;
}

int RunList() {
  const Bitmap skin = test::MakeScrollSkin(kCell);
  Owner owner;
  if (!MakeOwner(owner)) return 1;
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                                  LBS_NOINTEGRALHEIGHT, 20, 20, 200, 180, owner.GetSafeHwnd(),
                              reinterpret_cast<HMENU>(1001), GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < 40; ++i) {
    const std::wstring row = L"Row " + std::to_wstring(i);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  CSkinScrollWnd* frame = CSkinScrollWnd::SkinList(list, skin.get());
  if (!frame) return 1;
  RunFor(300, list);  // the frame lays itself out
  PrintRect("ready", frame->VerticalBar().GetSafeHwnd());
  PrintRect("frame", frame->GetSafeHwnd());
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &info);
  std::printf("page %u of %d\n", info.nPage, info.nMax + 1);
  std::fflush(stdout);
  RunFor(30000, list);
  return 0;
}

}  // namespace
}  // namespace zk40

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "bar";
  if (std::strcmp(mode, "list") == 0) return zk40::RunList();
  return zk40::RunBar(argc > 2 ? std::atoi(argv[2]) : 0);
}
