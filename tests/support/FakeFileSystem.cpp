#include "support/FakeFileSystem.h"

#include <algorithm>

namespace zk40::test {

void FakeFileSystem::AddFolder(const std::u16string& path) {
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == u'\\') {
      if (i > 0) folders.insert(path.substr(0, i));
    }
  }
}

void FakeFileSystem::AddFile(const std::u16string& path, std::vector<std::uint8_t> bytes) {
  const auto slash = path.find_last_of(u'\\');
  if (slash != std::u16string::npos) AddFolder(path.substr(0, slash));
  files[path] = std::move(bytes);
}

void FakeFileSystem::Fail(FsOp op, const std::u16string& path, FileStatus status) {
  faults_[{op, path}] = status;
}

int FakeFileSystem::CallCount(FsOp op) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [op](const auto& c) { return c.first == op; }));
}

std::optional<FileStatus> FakeFileSystem::Fault(FsOp op, const std::u16string& path) {
  calls.emplace_back(op, path);
  if (once_ && once_->first == op) {
    const FileStatus status = once_->second;
    once_.reset();
    return status;
  }
  if (auto it = faults_.find({op, path}); it != faults_.end()) return it->second;
  for (const auto& [key, status] : faults_) {
    const std::u16string& pattern = key.second;
    if (key.first != op) continue;
    if (pattern.empty()) return status;
    if (pattern.back() == u'*' && path.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0)
      return status;
  }
  return std::nullopt;
}

bool FakeFileSystem::ParentExists(const std::u16string& path) const {
  const auto slash = path.find_last_of(u'\\');
  return slash == std::u16string::npos || folders.count(path.substr(0, slash)) != 0;
}

FileStatus FakeFileSystem::ReadWhole(const std::u16string& path, std::size_t maxBytes,
                                    std::vector<std::uint8_t>& out) {
  out.clear();
  if (auto f = Fault(FsOp::read, path)) return *f;
  auto it = files.find(path);
  if (it == files.end()) return FileStatus::not_found;
  out.assign(it->second.begin(), it->second.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, it->second.size())));
  return FileStatus::ok;
}

FileStatus FakeFileSystem::WriteWhole(const std::u16string& path, std::span<const std::uint8_t> bytes) {
  if (auto f = Fault(FsOp::write, path)) return *f;
  return Store(path, bytes);
}

FileStatus FakeFileSystem::CreateNew(const std::u16string& path, std::span<const std::uint8_t> bytes) {
  if (auto f = Fault(FsOp::create_new, path)) return *f;
  if (files.count(path)) return FileStatus::already_exists;
  return Store(path, bytes);
}

FileStatus FakeFileSystem::Store(const std::u16string& path, std::span<const std::uint8_t> bytes) {
  if (path_limit_ && path.size() > path_limit_->first) return path_limit_->second;
  if (!ParentExists(path)) return FileStatus::not_found;
  if (short_write_) {
    const std::size_t kept = std::min(*short_write_, bytes.size());
    files[path].assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
    short_write_.reset();
    return FileStatus::disk_full;
  }
  files[path].assign(bytes.begin(), bytes.end());
  return FileStatus::ok;
}

FileStatus FakeFileSystem::MoveReplacing(const std::u16string& from, const std::u16string& to) {
  if (auto f = Fault(FsOp::replace, to)) return *f;
  auto it = files.find(from);
  if (it == files.end()) return FileStatus::not_found;
  files[to] = std::move(it->second);
  files.erase(from);
  return FileStatus::ok;
}

FileStatus FakeFileSystem::Remove(const std::u16string& path) {
  if (auto f = Fault(FsOp::remove, path)) return *f;
  return files.erase(path) ? FileStatus::ok : FileStatus::not_found;
}

FileStatus FakeFileSystem::Copy(const std::u16string& from, const std::u16string& to) {
  if (auto f = Fault(FsOp::copy, to)) return *f;
  auto it = files.find(from);
  if (it == files.end()) return FileStatus::not_found;
  if (files.count(to)) return FileStatus::other;
  if (!ParentExists(to)) return FileStatus::not_found;
  files[to] = it->second;
  return FileStatus::ok;
}

FileStatus FakeFileSystem::CreateFolder(const std::u16string& path) {
  if (auto f = Fault(FsOp::create_folder, path)) return *f;
  AddFolder(path);
  return FileStatus::ok;
}

}  // namespace zk40::test
