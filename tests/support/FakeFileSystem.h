#pragma once
// An in-memory file system for tests, with faults on request: a status for
// one operation on one path, and writes that stop after some bytes.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace zk40::test {

enum class FsOp { read, write, create_new, replace, remove, copy, create_folder };

class FakeFileSystem final : public FileSystem {
 public:
  // Files and folders; a file's folder must exist for it to be written.
  std::map<std::u16string, std::vector<std::uint8_t>> files;
  std::set<std::u16string> folders;
  std::vector<std::pair<FsOp, std::u16string>> calls;

  void AddFolder(const std::u16string& path);  // with its parents
  void AddFile(const std::u16string& path, std::vector<std::uint8_t> bytes);
  bool HasFile(const std::u16string& path) const { return files.count(path) != 0; }
  const std::vector<std::uint8_t>& Bytes(const std::u16string& path) const { return files.at(path); }

  // Every later op on path fails with status: on any path when path is
  // empty, on every path that begins with it when it ends with '*'.
  void Fail(FsOp op, const std::u16string& path, FileStatus status);
  // The next op of this kind fails with status (on whatever path).
  void FailOnce(FsOp op, FileStatus status) { once_.emplace(op, status); }
  // Writes and creations of paths longer than length fail with status, as a
  // system with a path limit does.
  void LimitPathLength(std::size_t length, FileStatus status) { path_limit_ = {length, status}; }
  // The next write stores only the first bytes, then reports a full disk.
  void FailWriteAfter(std::size_t bytes) { short_write_ = bytes; }
  void ClearFaults() {
    faults_.clear();
    short_write_.reset();
    once_.reset();
  }
  int CallCount(FsOp op) const;

  FileStatus ReadWhole(const std::u16string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out) override;
  FileStatus WriteWhole(const std::u16string& path, std::span<const std::uint8_t> bytes) override;
  FileStatus CreateNew(const std::u16string& path, std::span<const std::uint8_t> bytes) override;
  FileStatus MoveReplacing(const std::u16string& from, const std::u16string& to) override;
  FileStatus Remove(const std::u16string& path) override;
  FileStatus Copy(const std::u16string& from, const std::u16string& to) override;
  FileStatus CreateFolder(const std::u16string& path) override;
  bool FolderExists(const std::u16string& path) override { return folders.count(path) != 0; }

 private:
  std::optional<FileStatus> Fault(FsOp op, const std::u16string& path);
  bool ParentExists(const std::u16string& path) const;
  FileStatus Store(const std::u16string& path, std::span<const std::uint8_t> bytes);

  std::map<std::pair<FsOp, std::u16string>, FileStatus> faults_;
  std::optional<std::size_t> short_write_;
  std::optional<std::pair<FsOp, FileStatus>> once_;
  std::optional<std::pair<std::size_t, FileStatus>> path_limit_;
};

}  // namespace zk40::test
