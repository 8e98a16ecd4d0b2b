#pragma once
// The system's open-file and save-file dialogs, for the pages that ask the
// user for a file: the host action rows and the profile import and export.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zk40 {

struct FileDialogArgs {
  HWND owner = nullptr;
  std::u16string_view filter;             // "Name(*.ext)|*.ext||"
  std::u16string_view default_extension;  // with or without its dot
  DWORD flags = 0;                        // OFN_* flags
  bool save = false;                      // the save-file dialog, else the open-file one
  std::u16string_view initial_folder;
  std::u16string_view file_name;          // shown at first
};

// The chosen path, or nothing when the user cancelled (or the system has no
// file dialogs, and none opens).
std::optional<std::u16string> RunFileDialog(const FileDialogArgs& args);

// "(*.exe)|*.exe||" as the file dialogs take it: pairs ending in a null, the
// list in two.
std::wstring FileDialogFilter(std::u16string_view filter);

}  // namespace zk40
