#include "pages/HostActionBrowse_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include "pages/FunctionChooser.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

std::optional<std::u16string> AskForFile(const HostActionBrowse& browse, HWND owner) {
  const std::wstring filter = FileDialogFilter(browse.filter);
  const std::wstring folder(browse.initial_folder.begin(), browse.initial_folder.end());
  std::wstring extension(browse.default_extension.begin(), browse.default_extension.end());
  // The dialog takes the extension without its dot.
  if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
  wchar_t file[MAX_PATH] = {};
  browse.file_name.copy(reinterpret_cast<char16_t*>(file), MAX_PATH - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = kHostActionBrowseFlags;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return FromWide(file);
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

std::wstring FileDialogFilter(std::u16string_view filter) {
  std::wstring result(filter.begin(), filter.end());
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  return result;
}

std::optional<std::u16string> AskForPath(HostActionRow row, HWND owner) {
  const HostActionBrowse& browse = BrowseFor(row);
  return browse.folder ? AskForFolder() : AskForFile(browse, owner);
}

}  // namespace zk40
