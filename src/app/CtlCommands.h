#pragma once
#include <string>
#include <vector>

namespace zk40 {

// Each returns the exit status: 0 done, 1 the mouse or a file write failed,
// 2 bad arguments or unreadable input.
int RunProfileCommand(const std::vector<std::u16string>& args);
int RunUploadTraceCommand(const std::vector<std::u16string>& args);
int RunDeviceStateCommand(const std::vector<std::u16string>& args);
int RunXmlCommand(const std::vector<std::u16string>& args);
int RunProfileExportCommand(const std::vector<std::u16string>& args);
int RunProfileImportCommand(const std::vector<std::u16string>& args);
int RunApplyCommand(const std::vector<std::u16string>& args);
int RunInfoCommand(const std::vector<std::u16string>& args);

}  // namespace zk40
