#pragma once
// How the update check fetches a file from the web. The check runs it on its
// own thread; an implementation may block, but must give up at the limits
// and soon after a stop is requested.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>

namespace zk40 {

enum class DownloadResult {
  ok,
  failed,     // no connection, a server error, the file could not be written
  too_large,  // more bytes than the limit
  timed_out,
  stopped,    // a stop was requested
};

struct DownloadLimits {
  std::size_t max_bytes;
  std::uint32_t timeout_ms;
};

class UpdateDownloader {
 public:
  virtual ~UpdateDownloader() = default;
  // Downloads url into the file path, replacing it. Whatever the result, a
  // failed download may leave a partial file at path; the caller removes it.
  virtual DownloadResult Download(const std::u16string& url, const std::u16string& path,
                                  const DownloadLimits& limits, std::stop_token stop) = 0;
};

// The system's web download (Windows only).
std::unique_ptr<UpdateDownloader> CreateSystemUpdateDownloader();

}  // namespace zk40
