#pragma once
#include <string>
#include <vector>

namespace zk40 {

// The program's arguments as UTF-16 texts, program name first: from the wide
// command line on Windows, from UTF-8 argv elsewhere.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);

}  // namespace zk40
