#pragma once
// The messages that report a data file the program could not read or write;
// the same wording for every file of the data folder.

#include <string>

#include "i18n/StringTable.h"
#include "platform/FileSystem.h"
#include "platform/UserNotifier.h"

namespace zk40 {

// The notice for a file (or a folder of its path) that is not there.
void ReportMissingFile(UserNotifier& notifier, const std::u16string& path);

// The message box for a failed write: str_msg2 with the path when the file or
// its folder is not found, str_msg5 when access is denied; other causes are silent.
void ReportWriteFailure(UserNotifier& notifier, const StringTable& strings, FileStatus status,
                        const std::u16string& path);

}  // namespace zk40
