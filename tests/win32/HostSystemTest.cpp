// The Win32 side of host actions and pointer settings, against Wine's real
// shell, sound and system parameters.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>


#include <windows.h>
#include <mmsystem.h>

#include "platform/LateLibrary_win32.h"
#include "platform/WideText_win32.h"
#include "shell/ShellLauncher_win32.h"
#include "shell/WindowsMouseSettings_win32.h"
#include "support/MessagePump_win32.h"
#include "support/TempFolder.h"

namespace zk40 {
namespace {

std::filesystem::path ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path();
}

TEST(ShellLauncher, OpenStartsAProgramGivenByItsPath) {
  const auto probe = ProgramFolder() / "touch_probe.exe";
  ASSERT_TRUE(std::filesystem::exists(probe));
  const auto marker = std::filesystem::path(probe.wstring() + L".ran");
  std::filesystem::remove(marker);
  ShellLauncher launcher;
  launcher.ShellOpen(FromWide(probe.wstring()));
  for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) Sleep(50);
  EXPECT_TRUE(std::filesystem::exists(marker));
  std::filesystem::remove(marker);
}

// A long silent wave file: playing it must not hold the caller for its length.
TEST(ShellLauncher, SoundPlaysWithoutHoldingTheCaller) {
  test::TempFolder temp;
  const auto wav = temp.native() / "long.wav";
  const std::uint32_t rate = 8000, seconds = 6, dataBytes = rate * seconds;
  std::ofstream out(wav, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4), u32(36 + dataBytes), out.write("WAVEfmt ", 8), u32(16), u16(1), u16(1), u32(rate), u32(rate),
      u16(1), u16(8), out.write("data", 4), u32(dataBytes);
  const std::string silence(dataBytes, '\x80');
  out.write(silence.data(), silence.size());
  out.close();

  ShellLauncher launcher;
  const auto start = std::chrono::steady_clock::now();
  launcher.PlaySoundAsync(FromWide(wav.wstring()));
  const auto held = std::chrono::steady_clock::now() - start;
  EXPECT_LT(held, std::chrono::seconds(seconds / 2)) << "the sound call waited for the sound";
  PlaySoundW(nullptr, nullptr, 0);
}

// The libraries loaded at their first use: the export itself when both are
// there, and nothing (for the caller to go without) when either is missing.
TEST(LateLibrary, GivesTheSystemsExportAndNothingForAMissingLibraryOrExport) {
  const auto play = LateExport<decltype(&::PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  ASSERT_NE(play, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(play),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"winmm.dll"), "PlaySoundW")));
  EXPECT_EQ(LoadLateExport(L"zk40-no-such-library.dll", "PlaySoundW"), nullptr);
  EXPECT_EQ(LoadLateExport(L"winmm.dll", "NoSuchExport"), nullptr);
}

// Records the settings-change messages the window is sent, from a second
// thread as the upload worker does it.
class SettingsWindow final {
 public:
  SettingsWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &SettingsWindow::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SettingsProbe";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    seen().clear();
  }
  ~SettingsWindow() { DestroyWindow(window_); }
  HWND window() const { return window_; }
  static std::vector<WPARAM>& seen() {
    static std::vector<WPARAM> list;
    return list;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETTINGCHANGE && lp == 0) seen().push_back(wp);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  HWND window_;
};

struct MouseSettings {
  int acceleration[3] = {};
  int speed = 0;
  UINT lines = 0;
  static MouseSettings Read() {
    MouseSettings s;
    SystemParametersInfoW(SPI_GETMOUSE, 0, s.acceleration, 0);
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &s.speed, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &s.lines, 0);
    return s;
  }
};

TEST(WindowsMouseSettings, AreAppliedReadBackAndAnnouncedOneByOne) {
  const MouseSettings old = MouseSettings::Read();
  SettingsWindow probe;
  std::thread worker([&] { ApplyWindowsMouseSettings(probe.window(), 1, 17, 7); });
  // The worker's messages are handled here, as on the UI thread.
  while (probe.seen().size() < 3) test::PumpMessagesFor(20);
  worker.join();
  const MouseSettings now = MouseSettings::Read();
  EXPECT_EQ(now.acceleration[0], 6);
  EXPECT_EQ(now.acceleration[1], 10);
  EXPECT_EQ(now.acceleration[2], 1);
  EXPECT_EQ(now.speed, 17);
  EXPECT_EQ(now.lines, 7u);
  EXPECT_EQ(probe.seen(), (std::vector<WPARAM>{SPI_SETMOUSE, SPI_SETMOUSESPEED, SPI_SETWHEELSCROLLLINES}));

  ApplyWindowsMouseSettings(nullptr, 0, old.speed, static_cast<int>(old.lines));
  EXPECT_EQ(MouseSettings::Read().acceleration[2], 0);
  SystemParametersInfoW(SPI_SETMOUSE, 0, const_cast<int*>(old.acceleration), SPIF_UPDATEINIFILE);
}

TEST(WindowsMouseSettings, MinusOneLinesMeansOneScreenPerNotch) {
  EXPECT_EQ(WheelScrollLinesParameter(-1), static_cast<UINT>(WHEEL_PAGESCROLL));
  EXPECT_EQ(WheelScrollLinesParameter(30), 30u);
}

}  // namespace
}  // namespace zk40
