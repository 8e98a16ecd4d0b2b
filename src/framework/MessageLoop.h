#pragma once
#include <windows.h>

namespace zk40 {

// The one message loop of the framework: every message is offered to the
// PreTranslateMessage chain of its window first. Runs until done is set
// (checked after each message) or WM_QUIT arrives; WM_QUIT is posted again
// for an outer loop. Returns false on WM_QUIT.
bool RunMessageLoop(const bool& done);

}  // namespace zk40
