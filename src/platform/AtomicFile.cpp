#include "platform/AtomicFile.h"

#include <atomic>
#include <chrono>
#include <random>

namespace zk40 {
namespace {

// Names taken before giving up; each one that exists is left alone.
constexpr int kNameAttempts = 16;

// A different temporary name for every call: a random start for the process,
// then a counter.
std::u16string TemporaryPath(const std::u16string& path) {
  static const std::uint32_t start = [] {
    std::random_device device;
    const auto now = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return device() ^ now;
  }();
  static std::atomic<std::uint32_t> count{0};
  std::uint32_t value = start + 0x9E3779B9u * count.fetch_add(1);
  std::u16string name = path + kTemporaryMark;
  for (int digit = 0; digit < 8; ++digit, value <<= 4) name += u"0123456789abcdef"[value >> 28];
  return name;
}

}  // namespace

std::u16string TemporaryPathFor(const std::u16string& path) { return TemporaryPath(path); }

FileStatus WriteFileReplacing(FileSystem& fs, const std::u16string& path, std::span<const std::uint8_t> bytes) {
  FileStatus status = FileStatus::already_exists;
  std::u16string temporary;
  for (int attempt = 0; attempt < kNameAttempts && status == FileStatus::already_exists; ++attempt) {
    temporary = TemporaryPath(path);
    status = fs.CreateNew(temporary, bytes);
  }
  // Where the temporary name does not fit, the target's own may: a longer
  // path can be refused as too long or as not found, and a plain write to a
  // folder that is really missing changes nothing either.
  if (status == FileStatus::name_too_long || status == FileStatus::not_found) return fs.WriteWhole(path, bytes);
  if (status == FileStatus::already_exists) return FileStatus::other;
  if (status == FileStatus::ok) status = fs.MoveReplacing(temporary, path);
  if (status != FileStatus::ok) (void)fs.Remove(temporary);
  return status;
}

}  // namespace zk40
