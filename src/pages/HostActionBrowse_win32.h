#pragma once
// The system dialogs a host action row asks for its path with: an open-file
// dialog for a sound, a program or a file, the folder browser for a folder.
#include <windows.h>

#include <optional>
#include <string>

#include "pages/ChooserResult.h"
#include "pages/FileDialogs_win32.h"

namespace zk40 {

// The chosen path, or nothing when the user cancelled.
std::optional<std::u16string> AskForPath(HostActionRow row, HWND owner);

}  // namespace zk40
