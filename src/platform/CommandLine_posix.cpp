#include "platform/CommandLine.h"
#include "platform/Utf16Text.h"

namespace zk40 {

std::vector<std::u16string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int i = 0; i < argc; ++i) args.push_back(Utf8ToUtf16(argv[i]));
  return args;
}

}  // namespace zk40
