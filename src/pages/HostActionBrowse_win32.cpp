#include "pages/HostActionBrowse_win32.h"

#include <shlobj.h>

#include "pages/FunctionChooser.h"
#include "pages/FileDialogs_win32.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

std::optional<std::u16string> AskForFile(const HostActionBrowse& browse, HWND owner) {
  return RunFileDialog(FileDialogArgs{owner, browse.filter, browse.default_extension, kHostActionBrowseFlags, false,
                                      browse.initial_folder, browse.file_name});
}

std::optional<std::u16string> AskForFolder() {
  BROWSEINFOW info{};
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool named = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!named) return std::nullopt;
  return FromWide(path);
}

}  // namespace

std::optional<std::u16string> AskForPath(HostActionRow row, HWND owner) {
  const HostActionBrowse& browse = BrowseFor(row);
  return browse.folder ? AskForFolder() : AskForFile(browse, owner);
}

}  // namespace zk40
