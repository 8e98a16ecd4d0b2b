#include "shell/ShellLauncher_win32.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "platform/LateLibrary_win32.h"
#include "platform/WideText_win32.h"

namespace zk40 {

void ShellLauncher::PlaySoundAsync(const std::u16string& path) {
  // Without the sound library the action plays nothing; the key goes on as bound.
  static const auto play = LateExport<decltype(&::PlaySoundW)>(L"winmm.dll", "PlaySoundW");
  if (play) play(Wide(path), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void ShellLauncher::ShellOpen(const std::u16string& target) {
  ShellExecuteW(nullptr, L"open", Wide(target), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zk40
