// zk40ctl profile-export DATA_FOLDER FILE.json [--entry N]
// zk40ctl profile-import DATA_FOLDER FILE.json [--entry N]
// One profile of a data folder as a readable JSON file, and back. Without
// --entry the profile is the one ConfigInfo.cfg marks active (profile 1 when
// none is). An import checks the whole file before it writes anything, and
// writes ProfileN.cfg as the driver saves it: the old file or the whole new
// one, never a torn mix.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/CtlCommands.h"
#include "app/ProfileJson.h"
#include "platform/AtomicFile.h"
#include "platform/ByteImage.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"
#include "settings/DataPaths.h"

namespace zk40 {
namespace {

// Larger files are refused by the reader anyway; reading one byte more than
// it takes lets it say so.
constexpr std::size_t kMaxJsonBytes = (1 << 20) + 1;

struct ProfileArguments {
  std::u16string data_folder;
  std::u16string file;
  std::optional<int> entry;  // 1..5
};

std::optional<ProfileArguments> ParseArguments(const char* command, const std::vector<std::u16string>& args) {
  ProfileArguments parsed;
  std::vector<std::u16string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == u"--entry" && i + 1 < args.size()) {
      const std::u16string& n = args[++i];
      if (n.size() != 1 || n[0] < u'1' || n[0] > u'5') {
        std::fprintf(stderr, "zk40ctl %s: --entry needs a profile number 1..5\n", command);
        return std::nullopt;
      }
      parsed.entry = n[0] - u'0';
    } else if (args[i].rfind(u"--", 0) == 0 || positional.size() == 2) {
      std::fprintf(stderr, "zk40ctl %s: unexpected argument '%s'\n", command, Utf16ToUtf8(args[i]).c_str());
      return std::nullopt;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) {
    std::fprintf(stderr, "zk40ctl %s: expected DATA_FOLDER FILE.json [--entry N]\n", command);
    return std::nullopt;
  }
  parsed.data_folder = positional[0];
  parsed.file = positional[1];
  return parsed;
}

// The profile ConfigInfo.cfg marks active: the first entry in use with the
// active flag set, as the driver's start-up takes it; 1 when there is none.
int ActiveProfile(FileSystem& fs, const std::u16string& folder) {
  std::vector<std::uint8_t> bytes;
  if (fs.ReadWhole(JoinPath(folder, kIndexFile), sizeof(ProfileIndex), bytes) != FileStatus::ok) return 1;
  ProfileIndex index;
  AssignFromBytes(index, bytes);
  for (int k = 1; k <= kProfileCount; ++k) {
    const ProfileIndexEntry& entry = index[static_cast<std::size_t>(k - 1)];
    if (entry.index_magic == kIndexMagic && entry.active != 0) return k;
  }
  return 1;
}

const char* StatusText(FileStatus status) {
  switch (status) {
    case FileStatus::not_found:
      return "the file or its folder does not exist";
    case FileStatus::access_denied:
      return "access denied";
    case FileStatus::disk_full:
      return "the disk is full";
    default:
      return "the system refused it";
  }
}

// A path as the user's system writes it.
std::string Utf8(const std::u16string& path) {
  std::string text = Utf16ToUtf8(path);
#ifndef _WIN32
  std::replace(text.begin(), text.end(), '\\', '/');
#endif
  return text;
}

}  // namespace

int RunProfileExportCommand(const std::vector<std::u16string>& args) {
  const auto parsed = ParseArguments("profile-export", args);
  if (!parsed) return 2;
  auto fs = CreateSystemFileSystem();
  if (!fs->FolderExists(parsed->data_folder)) {
    std::fprintf(stderr, "zk40ctl profile-export: cannot read the folder %s\n", Utf8(parsed->data_folder).c_str());
    return 2;
  }
  const int profile = parsed->entry.value_or(ActiveProfile(*fs, parsed->data_folder));
  const std::u16string path = ProfilePath(parsed->data_folder, profile);
  std::vector<std::uint8_t> bytes;
  const FileStatus read = fs->ReadWhole(path, sizeof(ProfileRecord), bytes);
  if (read != FileStatus::ok) {
    std::fprintf(stderr, "zk40ctl profile-export: cannot read %s: %s\n", Utf8(path).c_str(), StatusText(read));
    return 2;
  }
  // The driver's own test of a profile file: its magic; a short file's tail reads as zero.
  if (LeadingWord(bytes) != kRecordMagic) {
    std::fprintf(stderr, "zk40ctl profile-export: %s is not a profile\n", Utf8(path).c_str());
    return 2;
  }
  auto record = std::make_unique<ProfileRecord>();
  AssignFromBytes(*record, bytes);
  const std::string json = ProfileToJson(*record);

  // What an import of this file would make of it.
  const ProfileJsonRead back = ProfileFromJson(json);
  if (!back.record) {
    std::fprintf(stderr,
                 "zk40ctl profile-export: warning: the profile holds a value the file format does not take, so "
                 "profile-import refuses this file until it is corrected: %s\n",
                 back.refusal.Message().c_str());
  } else if (std::memcmp(&*back.record, record.get(), sizeof(ProfileRecord)) != 0) {
    std::fprintf(stderr,
                 "zk40ctl profile-export: warning: %s holds data in bytes the driver does not use (reserved "
                 "fields, text padding, the colour's fourth byte); the file leaves them out and an import "
                 "writes them as zero\n",
                 Utf8(path).c_str());
  }

  const auto* begin = reinterpret_cast<const std::uint8_t*>(json.data());
  const FileStatus written = WriteFileReplacing(*fs, parsed->file, std::span(begin, json.size()));
  if (written != FileStatus::ok) {
    std::fprintf(stderr, "zk40ctl profile-export: cannot write %s: %s\n", Utf8(parsed->file).c_str(),
                 StatusText(written));
    return 1;
  }
  std::printf("profile %d exported to %s\n", profile, Utf8(parsed->file).c_str());
  return 0;
}

int RunProfileImportCommand(const std::vector<std::u16string>& args) {
  const auto parsed = ParseArguments("profile-import", args);
  if (!parsed) return 2;
  auto fs = CreateSystemFileSystem();
  std::vector<std::uint8_t> bytes;
  const FileStatus read = fs->ReadWhole(parsed->file, kMaxJsonBytes, bytes);
  if (read != FileStatus::ok) {
    std::fprintf(stderr, "zk40ctl profile-import: cannot read %s: %s\n", Utf8(parsed->file).c_str(),
                 StatusText(read));
    return 2;
  }
  const ProfileJsonRead file = ProfileFromJson(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!file.record) {
    std::fprintf(stderr, "zk40ctl profile-import: %s: %s; nothing was written\n", Utf8(parsed->file).c_str(),
                 file.refusal.Message().c_str());
    return 2;
  }
  if (!fs->FolderExists(parsed->data_folder)) {
    std::fprintf(stderr, "zk40ctl profile-import: cannot read the folder %s; nothing was written\n",
                 Utf8(parsed->data_folder).c_str());
    return 2;
  }
  const int profile = parsed->entry.value_or(ActiveProfile(*fs, parsed->data_folder));
  const std::u16string path = ProfilePath(parsed->data_folder, profile);
  fs->CreateFolder(JoinPath(parsed->data_folder, kProfileFolder));  // a failure shows in the write
  const FileStatus written = WriteFileReplacing(*fs, path, BytesOf(*file.record));
  if (written != FileStatus::ok) {
    std::fprintf(stderr, "zk40ctl profile-import: cannot write %s: %s\n", Utf8(path).c_str(), StatusText(written));
    return 1;
  }
  std::printf("profile %d imported from %s into %s\n", profile, Utf8(parsed->file).c_str(), Utf8(path).c_str());
  return 0;
}

}  // namespace zk40
