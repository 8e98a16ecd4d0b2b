#pragma once
// The system dialogs a host action row asks for its path with: an open-file
// dialog for a sound, a program or a file, the folder browser for a folder.
#include <windows.h>

#include <optional>
#include <string>

#include "pages/ChooserResult.h"

namespace zk40 {

// The chosen path, or nothing when the user cancelled.
std::optional<std::u16string> AskForPath(HostActionRow row, HWND owner);

// "(*.exe)|*.exe||" as the open-file dialog takes it: pairs ending in a
// null, the list in two.
std::wstring FileDialogFilter(std::u16string_view filter);

}  // namespace zk40
