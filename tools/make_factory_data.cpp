// make_factory_data OUT_FOLDER: writes the factory data files into OUT_FOLDER
// (run by scripts/make-factory-data to refresh data/factory/).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "FactoryData.h"
#include "platform/Utf16Text.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_factory_data OUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  for (const zk40::FactoryFile& file : zk40::BuildFactoryFiles()) {
    std::string name = zk40::Utf16ToUtf8(file.name);
    for (char& c : name) if (c == '\\') c = '/';
    const auto path = out / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
    if (!stream) {
      std::fprintf(stderr, "make_factory_data: cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}
