#pragma once
// System libraries that only a few actions need (a sound, the web download
// of the update check, the file dialogs) are loaded at their first use
// instead of with the program: every library a start loads costs that start
// time, whether or not the action is ever taken.

#include <windows.h>

namespace zk40 {

// The export name of library (a file name of the system folder), loading the
// library from there; it then stays for the process. Null when the library or
// the export is missing: the caller goes without the action.
FARPROC LoadLateExport(const wchar_t* library, const char* name);

// The same as a pointer of the export's own type; keep the result in a
// static, so that the lookup happens once:
//   static const auto play = LateExport<decltype(&::PlaySoundW)>(L"winmm.dll", "PlaySoundW");
template <typename Function>
Function LateExport(const wchar_t* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(LoadLateExport(library, name)));
}

}  // namespace zk40
