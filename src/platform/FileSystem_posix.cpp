// POSIX file system: the core's Windows-style paths with their backslashes
// mapped to slashes, UTF-8 on disk.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

std::string NativePath(const std::u16string& path) {
  std::string p = Utf16ToUtf8(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

FileStatus FromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileStatus::not_found;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileStatus::access_denied;
    case ENOSPC:
    case EDQUOT:
      return FileStatus::disk_full;
    case EEXIST:
      return FileStatus::already_exists;
    case ENAMETOOLONG:
      return FileStatus::name_too_long;
    default:
      return FileStatus::other;
  }
}

// Closes a descriptor on every path out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() { int fd = fd_; fd_ = -1; return fd; }
 private:
  int fd_;
};

FileStatus WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FromErrno(errno);
    }
    if (n == 0) return FileStatus::disk_full;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return FileStatus::ok;
}

void SyncFolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
}

class PosixFileSystem final : public FileSystem {
 public:
  FileStatus ReadWhole(const std::u16string& path, std::size_t maxBytes,
                      std::vector<std::uint8_t>& out) override {
    out.clear();
    Descriptor fd(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return FromErrno(errno);
    // The buffer starts at the file's size, so a generous limit costs nothing;
    // it still grows for a file that grows while it is read.
    struct stat st {};
    const std::size_t expected =
        ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    out.resize(std::min(maxBytes, expected + 1));
    std::size_t got = 0;
    while (got < maxBytes) {
      if (got == out.size()) out.resize(std::min(maxBytes, std::max<std::size_t>(got * 2, 65536)));
      const ssize_t n = ::read(fd.get(), out.data() + got, out.size() - got);
      if (n < 0) {
        if (errno == EINTR) continue;
        const FileStatus status = FromErrno(errno);
        out.clear();
        return status;
      }
      if (n == 0) break;
      got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return FileStatus::ok;
  }

  FileStatus WriteWhole(const std::u16string& path,
                          std::span<const std::uint8_t> bytes) override {
    return WriteWith(path, O_TRUNC, bytes);
  }

  FileStatus CreateNew(const std::u16string& path, std::span<const std::uint8_t> bytes) override {
    return WriteWith(path, O_EXCL, bytes);
  }

  FileStatus MoveReplacing(const std::u16string& from, const std::u16string& to) override {
    const std::string target = NativePath(to);
    if (::rename(NativePath(from).c_str(), target.c_str()) != 0) return FromErrno(errno);
    SyncFolderOf(target);
    return FileStatus::ok;
  }

  FileStatus Remove(const std::u16string& path) override {
    return ::unlink(NativePath(path).c_str()) == 0 ? FileStatus::ok : FromErrno(errno);
  }

  FileStatus Copy(const std::u16string& from, const std::u16string& to) override {
    Descriptor in(::open(NativePath(from).c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return FromErrno(errno);
    const std::string target = NativePath(to);
    Descriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (out.get() < 0) return FromErrno(errno);
    std::uint8_t buffer[65536];
    FileStatus status = FileStatus::ok;
    for (;;) {
      const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        status = FromErrno(errno);
        break;
      }
      if (n == 0) break;
      status = WriteAll(out.get(), buffer, static_cast<std::size_t>(n));
      if (status != FileStatus::ok) break;
    }
    if (status == FileStatus::ok && ::fsync(out.get()) != 0) status = FromErrno(errno);
    if (status != FileStatus::ok) ::unlink(target.c_str());
    return status;
  }

  FileStatus CreateFolder(const std::u16string& path) override {
    const std::string p = NativePath(path);
    for (std::size_t i = 1; i <= p.size(); ++i) {
      if (i != p.size() && p[i] != '/') continue;
      const std::string prefix = p.substr(0, i);
      if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return FromErrno(errno);
    }
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return FromErrno(errno);
    return S_ISDIR(st.st_mode) ? FileStatus::ok : FileStatus::other;
  }

  bool FolderExists(const std::u16string& path) override {
    struct stat st {};
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

 private:
  // Creates the file (how: O_TRUNC or O_EXCL), writes all bytes, flushes them.
  static FileStatus WriteWith(const std::u16string& path, int how, std::span<const std::uint8_t> bytes) {
    Descriptor fd(::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | how | O_CLOEXEC, 0644));
    if (fd.get() < 0) return FromErrno(errno);
    FileStatus status = WriteAll(fd.get(), bytes.data(), bytes.size());
    if (status == FileStatus::ok && ::fsync(fd.get()) != 0) status = FromErrno(errno);
    if (::close(fd.release()) != 0 && status == FileStatus::ok) status = FromErrno(errno);
    return status;
  }
};

}  // namespace

std::unique_ptr<FileSystem> CreateSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace zk40
