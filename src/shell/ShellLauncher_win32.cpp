#include "shell/ShellLauncher_win32.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "platform/WideText_win32.h"

namespace zk40 {

void ShellLauncher::PlaySoundAsync(const std::u16string& path) {
  PlaySoundW(Wide(path), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void ShellLauncher::ShellOpen(const std::u16string& target) {
  ShellExecuteW(nullptr, L"open", Wide(target), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zk40
