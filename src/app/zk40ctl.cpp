// zk40ctl: the command-line companion of the driver. Its output formats are
// fixed, since scripts read them.
#include <cstdio>
#include <string>
#include <vector>

#include "app/CtlCommands.h"
#include "platform/CommandLine.h"
#include "platform/Utf16Text.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const std::vector<std::u16string>& args);
};

const Command kCommands[] = {
    {"profile", "profile INSTALL_FOLDER DATA_FOLDER", zk40::RunProfileCommand},
    {"upload-trace", "upload-trace DATA_FOLDER [--fail-feature HEX] [--unplug-after N]", zk40::RunUploadTraceCommand},
    {"device-state", "device-state DATA_FOLDER [--fail-feature HEX] [--unplug-after N]", zk40::RunDeviceStateCommand},
    {"xml", "xml FILE [SECTION KEY]...", zk40::RunXmlCommand},
    {"profile-export", "profile-export DATA_FOLDER FILE.json [--entry N]", zk40::RunProfileExportCommand},
    {"profile-import", "profile-import DATA_FOLDER FILE.json [--entry N]", zk40::RunProfileImportCommand},
    {"apply", "apply DATA_FOLDER [--trace]", zk40::RunApplyCommand},
    {"info", "info", zk40::RunInfoCommand},
};

int Usage() {
  std::fprintf(stderr, "usage:\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  zk40ctl %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::u16string> args = zk40::CommandLineArguments(argc, argv);
  if (args.size() < 2) return Usage();
  const std::string name = zk40::Utf16ToUtf8(args[1]);
  for (const Command& c : kCommands) {
    if (name == c.name) return c.run(std::vector<std::u16string>(args.begin() + 2, args.end()));
  }
  std::fprintf(stderr, "zk40ctl: unknown command '%s'\n", name.c_str());
  return Usage();
}
