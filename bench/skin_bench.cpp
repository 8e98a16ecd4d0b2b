// The skin's memory and paint time under Windows (run under Wine by
// scripts/bench-skin SKIN_SET): the control gallery's main window with the
// button page, that is all eighteen irregular buttons (eleven on the main
// window, seven on the page, each keeping its cuts of four page-size
// pictures) and the page's other skinned controls, drawn from the generated
// skin. Prints the process's private memory with the gallery open, what the
// irregular buttons' cuts take against the page-size pictures they are cut
// from, and the time to paint the full button page and the whole window.
// Targets: the whole program under 40 MB, a full page's paint <= 8 ms.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/gallery/Gallery_win32.h"
#include "platform/WideText_win32.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/MainWindowLayout.h"

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

// This thread's processor time so far; unlike the clock it leaves out the
// time other processes take on a busy machine.
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

// Lets the windows paint and the heap settle before a measurement.
void Settle() {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 300) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// The four 32-bit cuts of each irregular button's box.
double CutsMegabytes() {
  double pixels = 0;
  auto add = [&](const layout::Quad& outline) {
    const layout::Rect box = outline.Bounds();
    pixels += 4.0 * box.Width() * box.Height();
  };
  for (const layout::Quad& tab : layout::main_window::kTabs) add(tab);
  for (const layout::Quad& profile : layout::main_window::kProfileButtons) add(profile);
  add(layout::main_window::kApplyButton);
  for (const layout::Quad& entry : layout::button_page::kButtonEntries) add(entry);
  return pixels * 4 / kBytesPerMegabyte;
}

// The 32-bit page-size pictures the cuts come from: three different ones
// for the main window's buttons and three for the page's entries.
double PagePicturesMegabytes() {
  const layout::Size main = layout::main_window::kSize, page = layout::button_page::kEntryPictureSize;
  return 3.0 * 4 * (main.width * main.height + page.width * page.height) / kBytesPerMegabyte;
}

constexpr int kPaints = 100;

struct Paint {
  double median = 0, worst = 0, cpu = 0;
};

// Invalidates window and its children and lets the message loop paint them,
// as a real repaint happens: the time runs until the queue is empty, which
// includes Wine's copy of the window surface to the screen when the thread
// goes idle. (Painting in a loop with RDW_UPDATENOW never goes idle, and
// Wine then copies the surface to the screen at every single EndPaint, a
// cost no repaint of the running program pays.)
Paint MeasurePaint(HWND window) {
  std::vector<double> times;
  double cpu = 0;
  for (int i = 0; i < kPaints; ++i) {
    const double cpu_before = ThreadCpuMilliseconds();
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    GdiFlush();
    QueryPerformanceCounter(&to);
    cpu += ThreadCpuMilliseconds() - cpu_before;
    times.push_back(Milliseconds(from, to));
    Sleep(20);  // an idle gap, as between two repaints of the running program
  }
  std::sort(times.begin(), times.end());
  return Paint{times[kPaints / 2], times.back(), cpu / kPaints};
}

// The page: the main window's child of the page's size.
HWND PageOf(HWND main) {
  const layout::Size size = layout::main_window::kPageSize;
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    if (r.right - r.left == size.width && r.bottom - r.top == size.height) return child;
  }
  return main;
}

int WindowCount(HWND top) {
  int count = 1;
  EnumChildWindows(
      top, [](HWND, LPARAM counter) { return ++*reinterpret_cast<int*>(counter), TRUE; },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

int Run(const std::u16string& skin_set) {
  GdiPlusSession gdiplus;
  Settle();
  const double empty = PrivateMegabytes();
  gallery::Options options;
  options.showcase = gallery::Showcase::buttons;
  options.install_folder = skin_set;
  gallery::Gallery window;
  if (!window.Open(options)) {
    std::printf("the gallery did not open\n");
    return 1;
  }
  Settle();
  const double open = PrivateMegabytes();
  std::printf("skin bench: the main window and the button page, 18 irregular buttons and the page's controls\n");
  std::printf("private memory:      %.1f MB, %.1f MB of it for the window (target for the whole program: under "
              "40 MB)\n", open, open - empty);
  std::printf("                     the irregular buttons' cuts take %.2f MB; the page-size pictures they are "
              "cut from (%.1f MB) are freed once cut\n", CutsMegabytes(), PagePicturesMegabytes());

  HWND page = PageOf(window.Window());
  std::printf("full paint, as the program's message loop does it (median of %d):\n", kPaints);
  const Paint page_paint = MeasurePaint(page);
  std::printf("  the button page:   %.2f ms (worst %.2f), %.2f ms of this thread's processor time (target <= 8 ms, "
              "ratio %.2f)\n", page_paint.median, page_paint.worst, page_paint.cpu, page_paint.median / 8.0);
  const Paint window_paint = MeasurePaint(window.Window());
  std::printf("  the whole window:  %.2f ms (worst %.2f), %.2f ms of this thread's processor time (%d windows)\n",
              window_paint.median, window_paint.worst, window_paint.cpu, WindowCount(window.Window()));
  window.Close();
  return 0;
}

}  // namespace
}  // namespace zk40

int main() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 2) {
    std::printf("usage: skin_bench SKIN_SET (a folder holding skins\\)\n");
    return 2;
  }
  const std::u16string skin_set = zk40::FromWide(words[1]);
  LocalFree(words);
  return zk40::Run(skin_set);
}
