// The skin's memory and paint time under Windows (run under Wine by
// scripts/bench-skin): a 959 x 639 main window with eleven irregular buttons
// and on it a 925 x 456 button page with seven more, each button drawing
// from four whole-page pictures. Prints the process's private memory with
// the pictures shared (as the program keeps them) and with a copy per button
// (as they would be kept naively), and the time to paint the whole window.
// Targets: the whole program later under 40 MB, a full paint <= 8 ms.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "framework/BufferedPaint.h"
#include "framework/MessageLoop.h"
#include "skin/IrrButton_win32.h"

namespace zk40 {
namespace {

// The process's commit charge: the private memory it holds. (Wine leaves
// PrivateUsage at 0 but keeps this one.)
double PrivateMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0);
}

// A page-size picture with a gradient, like a page's artwork.
Bitmap PagePicture(int width, int height, COLORREF tint) {
  WindowDC screen(nullptr);
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  MemoryDC memory(screen.get());
  SelectInDC select(memory.get(), bitmap.get());
  TRIVERTEX ends[2] = {{0, 0, 0x1000, 0x1400, 0x1800, 0xFF00},
                       {width, height, static_cast<COLOR16>(GetRValue(tint) << 8),
                        static_cast<COLOR16>(GetGValue(tint) << 8), static_cast<COLOR16>(GetBValue(tint) << 8), 0xFF00}};
  GRADIENT_RECT rect{0, 1};
  GradientFill(memory.get(), ends, 2, &rect, 1, GRADIENT_FILL_RECT_V);
  return bitmap;
}

struct PagePictures {
  SharedBitmap normal, down, over;
};

PagePictures MakePictures(int width, int height) {
  return {SharedPictures::Adopt(PagePicture(width, height, RGB(40, 44, 52))),
          SharedPictures::Adopt(PagePicture(width, height, RGB(0, 150, 220))),
          SharedPictures::Adopt(PagePicture(width, height, RGB(200, 120, 0)))};
}

// A page that paints its Normal picture as its background, as pages do.
class BenchPage final : public CWnd {
 public:
  bool Open(HWND parent, RECT rect, SharedBitmap background) {
    background_ = std::move(background);
    WindowCreateArgs args;
    args.style = (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE | WS_CLIPCHILDREN;
    args.rect = rect;
    args.parent = parent;
    return Create(args);
  }

 protected:
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnPaint() override {
    PaintDC paint(m_hWnd);
    DrawBitmap(paint.get(), GetClientRect(), background_->get(), POINT{0, 0});
    return true;
  }

 private:
  SharedBitmap background_;
};

// count buttons in a row of tab-like outlines along y, each 80 wide.
void AddButtons(std::vector<std::unique_ptr<CIrrButton>>& buttons, const CWnd& page, int count, int y,
                const PagePictures& shared, bool copies, int width, int height) {
  for (int i = 0; i < count; ++i) {
    const int x = 10 + i * 84;
    const POINT outline[] = {{x, y}, {x + 70, y}, {x + 80, y + 30}, {x, y + 30}};
    Region region(CreatePolygonRgn(outline, 4, WINDING));
    auto button = std::make_unique<CIrrButton>();
    CIrrButton::CreateArgs args;
    args.region = region.get();
    args.parent = &page;
    button->Create(args);
    const PagePictures own = copies ? MakePictures(width, height) : shared;
    button->SetPictures(own.normal, own.down, own.over, own.normal);
    buttons.push_back(std::move(button));
  }
}

struct Window {
  BenchPage main, buttons_page;
  std::vector<std::unique_ptr<CIrrButton>> buttons;
};

std::unique_ptr<Window> OpenWindow(bool copies) {
  auto window = std::make_unique<Window>();
  const PagePictures main = MakePictures(959, 639);
  const PagePictures page = MakePictures(925, 456);
  window->main.Open(nullptr, RECT{0, 0, 959, 639}, main.normal);
  window->buttons_page.Open(window->main.GetSafeHwnd(), RECT{17, 150, 17 + 925, 150 + 456}, page.normal);
  AddButtons(window->buttons, window->main, 5, 60, main, copies, 959, 639);     // tabs
  AddButtons(window->buttons, window->main, 5, 100, main, copies, 959, 639);    // profiles
  AddButtons(window->buttons, window->main, 1, 610, main, copies, 959, 639);    // Apply
  AddButtons(window->buttons, window->buttons_page, 7, 40, page, copies, 925, 456);
  return window;
}

// Lets the windows paint and the heap settle before a measurement.
void Settle() {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 300) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

// This thread's processor time so far; unlike the clock it does not count
// the time other processes on a busy machine take.
double ThreadCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ms = [](FILETIME t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace
}  // namespace zk40

int main() {
  using namespace zk40;
  Settle();
  const double empty = PrivateMegabytes();
  std::printf("skin bench: 18 irregular buttons, 11 on a 959 x 639 window and 7 on a 925 x 456 page\n");

  auto window = OpenWindow(false);
  Settle();
  const double shared = PrivateMegabytes();
  std::printf("pictures shared:     private memory %.1f MB, %.1f MB over the empty process (target for the "
              "whole program: under 40 MB)\n",
              shared, shared - empty);

  constexpr int kPaints = 100;
  std::vector<double> times;
  const double cpu_before = ThreadCpuMilliseconds();
  for (int i = 0; i < kPaints; ++i) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    RedrawWindow(window->main.GetSafeHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    QueryPerformanceCounter(&to);
    times.push_back(Milliseconds(from, to));
  }
  const double cpu = (ThreadCpuMilliseconds() - cpu_before) / kPaints;
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf("full window paint:   mean %.2f ms, median %.2f ms, worst %.2f ms over %d paints (target <= 8 ms);\n"
              "                     %.2f ms of this thread's processor time per paint\n",
              sum / kPaints, times[kPaints / 2], times.back(), kPaints, cpu);

  window.reset();
  Settle();
  const double after = PrivateMegabytes();
  auto naive = OpenWindow(true);
  Settle();
  const double copies = PrivateMegabytes();
  std::printf("a copy per button:   private memory %.1f MB, %.1f MB over the empty process; sharing keeps "
              "%.1f times less\n",
              copies, copies - after, (copies - after) / std::max(0.1, shared - empty));
  naive.reset();
  return 0;
}
