// skin_probe: a 640 x 400 page at the top-left of the screen holding skinned
// controls cut from generated pictures whose colour tells the state, for the
// GUI tests to drive with real input. Prints one line per thing the page
// receives:
//   ready
//   notify 1805 WPARAM NAME       a notify-press button was pressed (513) or released (514)
//   command NAME latched 0|1      a button's click
//   slider VALUE ID               a slider moved
//   under lbuttondown X Y         a click that reached the page itself
//   bye                           after a right click on the page; then it exits
// Ends by itself after 60 seconds.
//
// Controls (page coordinates):
//   toggle  bitmap button (20,20)-(120,60), toggle-on-click, show-latched, notify-press
//   plain   bitmap button (130,20)-(230,60)
//   latched bitmap button (240,20)-(340,60), show-latched, latched
//   tab     irregular button, outline (20,100) (180,100) (220,160) (20,160)
//   speed   slider (20,200)-(240,230), track to 220, range 1..20, id 2560
//   breath  slider (20,240)-(240,270), track to 220, range 1..5, id 777
//   off     slider (20,280)-(240,310), range 1..10, id 778, disabled
// Colours: page normal (40,44,52), over (200,120,0), down (0,150,220);
// tab normal (90,20,20), over (20,120,20), down (20,20,150); thumb (224,224,240).
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "framework/MessageLoop.h"
#include "platform/WindowMessages.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/IrrButton_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "support/TestPictures_win32.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kLifetimeTimer = 1;

class ProbePage final : public CWnd {
 public:
  bool done = false;

  bool Open(const std::u16string& thumb_path) {
    WindowCreateArgs args;
    args.title = u"skin probe";
    args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = RECT{0, 0, 640, 400};
    if (!Create(args)) return false;
    MakeButtons();
    MakeTab();
    MakeSlider(speed_, thumb_path, RECT{20, 200, 240, 230}, 2560, 1, 20);
    MakeSlider(breath_, thumb_path, RECT{20, 240, 240, 270}, 777, 1, 5);
    MakeSlider(off_, thumb_path, RECT{20, 280, 240, 310}, 778, 1, 10);
    off_.Enable(false);
    SetTimer(kLifetimeTimer, 60000);
    SetForegroundWindow(m_hWnd);
    return true;
  }

 protected:
  bool OnEraseBkgnd(HDC dc) override {
    Brush brush(CreateSolidBrush(RGB(40, 44, 52)));
    const RECT r = GetClientRect();
    FillRect(dc, &r, brush.get());
    return true;
  }
  bool OnCommand(int, int, HWND control) override {
    const auto it = names_.find(control);
    if (it == names_.end()) return false;
    const bool latched = control == tab_.GetSafeHwnd() ? tab_.GetLatched()
                                                        : static_cast<CGDIBitmapBtn*>(FromHandle(control))->GetLatched();
    Print("command %s latched %d", it->second.c_str(), latched ? 1 : 0);
    return true;
  }
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) override {
    if (msg == msg::kButtonPressNotify) {
      Print("notify 1805 %u %s", static_cast<unsigned>(wp), names_[reinterpret_cast<HWND>(lp)].c_str());
      return true;
    }
    if (msg == msg::kSliderMoved) {
      Print("slider %d %d", static_cast<int>(wp), static_cast<int>(lp));
      return true;
    }
    return false;
  }
  bool OnLButtonDown(UINT, POINT point) override {
    Print("under lbuttondown %ld %ld", point.x, point.y);
    return true;
  }
  bool OnRButtonUp(UINT, POINT) override {
    Print("bye");
    done = true;
    return true;
  }
  bool OnTimer(UINT_PTR) override {
    done = true;
    return true;
  }

 private:
  template <typename... Args>
  static void Print(const char* format, Args... args) {
    std::printf(format, args...);
    std::printf("\n");
    std::fflush(stdout);
  }

  void MakeButtons() {
    const Bitmap normal = test::SolidBitmap(640, 400, RGB(40, 44, 52));
    const Bitmap over = test::SolidBitmap(640, 400, RGB(200, 120, 0));
    const Bitmap down = test::SolidBitmap(640, 400, RGB(0, 150, 220));
    const struct {
      CGDIBitmapBtn* button;
      const char* name;
      RECT rect;
    } buttons[] = {{&toggle_, "toggle", {20, 20, 120, 60}},
                   {&plain_, "plain", {130, 20, 230, 60}},
                   {&latched_, "latched", {240, 20, 340, 60}}};
    for (const auto& b : buttons) {
      CButton::CreateArgs args;
      args.rect = b.rect;
      args.parent = this;
      b.button->Create(args);
      b.button->SetStatePictures(b.rect, normal.get(), over.get(), down.get(), normal.get());
      b.button->SetTooltipText(u"a skinned button", true);
      names_[b.button->GetSafeHwnd()] = b.name;
    }
    toggle_.SetToggleMode(true, true);
    toggle_.notify_press = true;
    latched_.SetToggleMode(true, false);
    latched_.SetLatched(true);
  }

  void MakeTab() {
    const Region region = QuadRegion(layout::Quad{{{{20, 100}, {180, 100}, {220, 160}, {20, 160}}}});
    CIrrButton::CreateArgs args;
    args.region = region.get();
    args.parent = this;
    tab_.Create(args);
    const Bitmap normal = test::SolidBitmap(640, 400, RGB(90, 20, 20));
    const Bitmap down = test::SolidBitmap(640, 400, RGB(20, 20, 150));
    const Bitmap over = test::SolidBitmap(640, 400, RGB(20, 120, 20));
    tab_.CutPictures(normal.get(), down.get(), over.get(), nullptr);
    names_[tab_.GetSafeHwnd()] = "tab";
  }

  void MakeSlider(CPngHSliderBar& bar, const std::u16string& thumb, RECT rect, UINT id, int minimum, int maximum) {
    CPngHSliderBar::InitArgs args;
    args.thumb_path = thumb;
    args.rect = rect;
    args.page = this;
    args.id = id;
    bar.Init(args);
    bar.SetTrack(RECT{rect.left, rect.top, rect.right - 20, rect.bottom});
    bar.SetRange(minimum, maximum);
    bar.SetBackground(skin::Rect{rect.left, rect.top, rect.right, rect.bottom}, track_picture_);
    bar.SetPosition(minimum);
  }

  GdiPlusImage track_picture_ = test::MakeArgbImage(640, 400, [](int, int) -> ARGB { return 0xFF1E3C5A; });
  CGDIBitmapBtn toggle_, plain_, latched_;
  CIrrButton tab_;
  CPngHSliderBar speed_, breath_, off_;
  std::map<HWND, std::string> names_;
};

}  // namespace
}  // namespace zk40

int main() {
  using namespace zk40;
  GdiPlusSession gdiplus;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path thumb_path = std::filesystem::path(temp) / "skin_probe_thumb.png";
  // 20 x 30, light with transparent corners.
  const GdiPlusImage thumb = test::MakeArgbImage(20, 30, [](int x, int y) -> ARGB {
    return (x < 3 || x > 16) && (y < 3 || y > 26) ? 0x00000000 : 0xFFE0E0F0;
  });
  if (!test::SavePngFile(thumb, thumb_path.u16string())) {
    std::printf("no thumb picture\n");
    return 1;
  }
  {
    ProbePage page;
    if (!page.Open(thumb_path.u16string())) {
      std::printf("no page\n");
      return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    RunMessageLoop(page.done);
  }
  std::error_code ignored;
  std::filesystem::remove(thumb_path, ignored);
  return 0;
}
