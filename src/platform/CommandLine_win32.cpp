#include <windows.h>
#include <shellapi.h>

#include "platform/CommandLine.h"
#include "platform/WideText_win32.h"

namespace zk40 {

std::vector<std::u16string> CommandLineArguments(int, char**) {
  std::vector<std::u16string> args;
  int count = 0;
  wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!list) return args;
  for (int i = 0; i < count; ++i) args.push_back(FromWide(list[i]));
  LocalFree(list);
  return args;
}

}  // namespace zk40
