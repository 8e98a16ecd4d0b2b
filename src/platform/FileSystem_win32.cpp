// Win32 file system: wide-character calls, writes flushed before the replace.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/SystemFileSystem.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

FileStatus FromError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
      return FileStatus::not_found;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileStatus::access_denied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileStatus::disk_full;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FileStatus::already_exists;
    case ERROR_FILENAME_EXCED_RANGE:
      return FileStatus::name_too_long;
    default:
      return FileStatus::other;
  }
}

FileStatus LastError() { return FromError(GetLastError()); }

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { if (valid()) CloseHandle(h_); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  bool Close() {
    const bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }
 private:
  HANDLE h_;
};

class Win32FileSystem final : public FileSystem {
 public:
  FileStatus ReadWhole(const std::u16string& path, std::size_t maxBytes,
                      std::vector<std::uint8_t>& out) override {
    out.clear();
    Handle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    // The buffer starts at the file's size, so a generous limit costs nothing;
    // it still grows for a file that grows while it is read.
    LARGE_INTEGER size{};
    const std::size_t expected = GetFileSizeEx(file.get(), &size) ? static_cast<std::size_t>(size.QuadPart) : 0;
    out.resize(std::min(maxBytes, expected + 1));
    std::size_t got = 0;
    while (got < maxBytes) {
      if (got == out.size()) out.resize(std::min(maxBytes, std::max<std::size_t>(got * 2, 65536)));
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - got, 1u << 30));
      DWORD n = 0;
      if (!::ReadFile(file.get(), out.data() + got, chunk, &n, nullptr)) {
        const FileStatus status = LastError();
        out.clear();
        return status;
      }
      if (n == 0) break;
      got += n;
    }
    out.resize(got);
    return FileStatus::ok;
  }

  FileStatus WriteWhole(const std::u16string& path,
                          std::span<const std::uint8_t> bytes) override {
    return WriteWith(path, CREATE_ALWAYS, bytes);
  }

  FileStatus CreateNew(const std::u16string& path, std::span<const std::uint8_t> bytes) override {
    return WriteWith(path, CREATE_NEW, bytes);
  }

 private:
  // Creates the file (disposition CREATE_ALWAYS or CREATE_NEW), writes all
  // bytes and flushes them.
  static FileStatus WriteWith(const std::u16string& path, DWORD disposition, std::span<const std::uint8_t> bytes) {
    Handle file(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
      DWORD n = 0;
      if (!WriteFile(file.get(), bytes.data() + done, chunk, &n, nullptr)) return LastError();
      if (n == 0) return FileStatus::disk_full;
      done += n;
    }
    if (!FlushFileBuffers(file.get())) return LastError();
    if (!file.Close()) return LastError();
    return FileStatus::ok;
  }

 public:
  FileStatus MoveReplacing(const std::u16string& from, const std::u16string& to) override {
    if (MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return FileStatus::ok;
    return LastError();
  }

  FileStatus Remove(const std::u16string& path) override {
    return DeleteFileW(Wide(path)) ? FileStatus::ok : LastError();
  }

  FileStatus Copy(const std::u16string& from, const std::u16string& to) override {
    return ::CopyFileW(Wide(from), Wide(to), TRUE) ? FileStatus::ok : LastError();
  }

  FileStatus CreateFolder(const std::u16string& path) override {
    const int result = SHCreateDirectoryExW(nullptr, Wide(path), nullptr);
    if (result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS) {
      return FolderExists(path) ? FileStatus::ok : FileStatus::other;
    }
    return FromError(static_cast<DWORD>(result));
  }

  bool FolderExists(const std::u16string& path) override {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
};

}  // namespace

std::unique_ptr<FileSystem> CreateSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace zk40
