#pragma once
// The file operations the core needs from the OS. Paths are Windows-style
// UTF-16 texts ("C:\\folder\\file.cfg"); the POSIX implementation maps the
// backslashes to slashes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zk40 {

// Why an operation failed; callers pick their messages by it.
enum class FileStatus {
  ok,
  not_found,      // the file or a folder of its path does not exist
  access_denied,  // the OS refused access
  disk_full,      // no space left while writing
  already_exists,  // a file that was to be new exists
  name_too_long,  // the path is longer than the system takes
  other,
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads at most maxBytes from the start of the file into out (resized to
  // what was read). A shorter file is not an error.
  virtual FileStatus ReadWhole(const std::u16string& path, std::size_t maxBytes,
                              std::vector<std::uint8_t>& out) = 0;

  // Creates or truncates the file, writes all bytes and flushes them to the
  // disk. A short write is reported as a failure, never as ok.
  virtual FileStatus WriteWhole(const std::u16string& path,
                                  std::span<const std::uint8_t> bytes) = 0;

  // As WriteWhole, but only when no file of that name exists: an existing
  // one is left alone (already_exists).
  virtual FileStatus CreateNew(const std::u16string& path, std::span<const std::uint8_t> bytes) = 0;

  // Moves from onto to in one step, replacing an existing to.
  virtual FileStatus MoveReplacing(const std::u16string& from, const std::u16string& to) = 0;

  virtual FileStatus Remove(const std::u16string& path) = 0;

  // Copies a file; an existing target is never overwritten (that is a failure).
  virtual FileStatus Copy(const std::u16string& from, const std::u16string& to) = 0;

  // Creates the folder and every missing parent; an existing folder is ok.
  virtual FileStatus CreateFolder(const std::u16string& path) = 0;

  virtual bool FolderExists(const std::u16string& path) = 0;
};

}  // namespace zk40
