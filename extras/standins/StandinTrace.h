#pragma once
// What the stand-ins for the product's outside programs share: the trace each
// leaves for tests, and the arguments it was started with.
#include <string>
#include <vector>

namespace standin {

// The program's arguments, without its own name.
std::vector<std::wstring> Arguments();

// Appends one line, the program's name and then each argument after a space,
// in UTF-8, to zk40standins.log in the system's temp folder
// (C:\windows\temp). Best effort: a trace that cannot be written must not
// keep the program from doing its work.
void AppendTrace(const wchar_t* program, const std::vector<std::wstring>& arguments);

}  // namespace standin
