#include "pages/FileDialogs_win32.h"

#include <commdlg.h>

#include "platform/LateLibrary_win32.h"
#include "platform/WideText_win32.h"

namespace zk40 {

std::wstring FileDialogFilter(std::u16string_view filter) {
  std::wstring result(filter.begin(), filter.end());
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  return result;
}

std::optional<std::u16string> RunFileDialog(const FileDialogArgs& args) {
  const std::wstring filter = FileDialogFilter(args.filter);
  const std::wstring folder(args.initial_folder.begin(), args.initial_folder.end());
  std::wstring extension(args.default_extension.begin(), args.default_extension.end());
  // The dialog takes the extension without its dot.
  if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
  wchar_t file[MAX_PATH] = {};
  args.file_name.substr(0, MAX_PATH - 1).copy(reinterpret_cast<char16_t*>(file), MAX_PATH - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = args.owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = args.flags;
  // The dialogs' library is loaded at the first import or export.
  static const auto save = LateExport<decltype(&::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  static const auto open = LateExport<decltype(&::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  const auto run = args.save ? save : open;
  if (!run || !run(&dialog)) return std::nullopt;
  return FromWide(file);
}

}  // namespace zk40
