// The web download of the update check: URLDownloadToFileW on a thread of
// its own, so the caller can give up at the time limit, at a stop or at an
// oversized answer even when the system keeps the transfer going. The transfer writes a file of its own and
// moves it to the caller's path only while the caller still waits; a
// transfer given up finishes in the background and removes its file.
#include <windows.h>
#include <urlmon.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "device/UpdateDownloader.h"
#include "platform/LateLibrary_win32.h"
#include "platform/Utf16Text.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

// What the waiting caller and the transfer thread share.
struct Transfer {
  explicit Transfer(std::size_t maxBytes) : max_bytes(maxBytes) {}
  const std::size_t max_bytes;
  std::atomic<bool> abort{false};
  std::atomic<bool> too_large{false};
  std::atomic<bool> http_error{false};
  std::mutex mutex;
  std::condition_variable finished_cv;
  bool finished = false;
  bool abandoned = false;  // the caller returned; the result is no longer wanted
  DownloadResult result = DownloadResult::failed;
};

// Watches the transfer: refuses error answers, stops beyond the size limit
// and when the caller gave up, and asks past any cache for a fresh copy.
class BindCallback final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  explicit BindCallback(std::shared_ptr<Transfer> transfer) : transfer_(std::move(transfer)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
      *out = static_cast<IBindStatusCallback*>(this);
    } else if (IsEqualIID(riid, IID_IHttpNegotiate)) {
      *out = static_cast<IHttpNegotiate*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --refs_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG status, LPCWSTR) override {
    if (transfer_->abort.load()) return E_ABORT;
    const bool data = status == BINDSTATUS_BEGINDOWNLOADDATA || status == BINDSTATUS_DOWNLOADINGDATA ||
                      status == BINDSTATUS_ENDDOWNLOADDATA;
    if (data && (progress > transfer_->max_bytes || progressMax > transfer_->max_bytes)) {
      transfer_->too_large.store(true);
      return E_ABORT;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
    if (!flags || !info) return E_INVALIDARG;
    // A stale cached description would hide a new version.
    *flags = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE | BINDF_RESYNCHRONIZE;
    const ULONG size = info->cbSize;
    ZeroMemory(info, size);
    info->cbSize = size;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* extra) override {
    if (extra) *extra = nullptr;
    return transfer_->abort.load() ? E_ABORT : S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD code, LPCWSTR, LPCWSTR, LPWSTR* extra) override {
    if (extra) *extra = nullptr;
    // An error page is not the file asked for.
    if (code < 200 || code > 299) {
      transfer_->http_error.store(true);
      return E_ABORT;
    }
    return S_OK;
  }

 private:
  std::shared_ptr<Transfer> transfer_;
  std::atomic<long> refs_{1};
};

// The web library is loaded at the first check; without it every download fails.
HRESULT DownloadToFile(const std::u16string& url, const std::u16string& file, IBindStatusCallback* callback) {
  static const auto download = LateExport<decltype(&::URLDownloadToFileW)>(L"urlmon.dll", "URLDownloadToFileW");
  return download ? download(nullptr, Wide(url), Wide(file), 0, callback) : E_NOTIMPL;
}

void RunTransfer(const std::shared_ptr<Transfer>& transfer, const std::u16string& url, const std::u16string& own,
                 const std::u16string& target) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  auto* callback = new BindCallback(transfer);
  const HRESULT hr = DownloadToFile(url, own, callback);
  callback->Release();
  if (SUCCEEDED(com)) CoUninitialize();

  std::lock_guard lock(transfer->mutex);
  if (!transfer->abandoned) {
    if (transfer->too_large.load()) {
      transfer->result = DownloadResult::too_large;
    } else if (SUCCEEDED(hr) && !transfer->http_error.load() &&
               MoveFileExW(Wide(own), Wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      transfer->result = DownloadResult::ok;
    }
  }
  DeleteFileW(Wide(own));
  transfer->finished = true;
  transfer->finished_cv.notify_all();
}

class UrlMonDownloader final : public UpdateDownloader {
 public:
  DownloadResult Download(const std::u16string& url, const std::u16string& path, const DownloadLimits& limits,
                          std::stop_token stop) override {
    auto transfer = std::make_shared<Transfer>(limits.max_bytes);
    // Every transfer has its own file: one given up may still be writing.
    const std::u16string own = path + u"." + DecimalText(static_cast<long long>(++transfers_)) + u".part";
    try {
      std::thread([transfer, url, own, path] { RunTransfer(transfer, url, own, path); }).detach();
    } catch (const std::system_error&) {
      return DownloadResult::failed;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.timeout_ms);
    std::unique_lock lock(transfer->mutex);
    for (;;) {
      if (transfer->finished_cv.wait_for(lock, std::chrono::milliseconds(20), [&] { return transfer->finished; })) {
        return transfer->result;
      }
      // The system may go on reading an aborted answer to its end; the
      // caller need not wait for that.
      const DownloadResult early = stop.stop_requested()                             ? DownloadResult::stopped
                                   : transfer->too_large.load()                      ? DownloadResult::too_large
                                   : std::chrono::steady_clock::now() >= deadline    ? DownloadResult::timed_out
                                                                                     : DownloadResult::ok;
      if (early != DownloadResult::ok) {
        transfer->abandoned = true;
        transfer->abort.store(true);
        return early;
      }
    }
  }

 private:
  static inline std::atomic<long long> transfers_{0};
};

}  // namespace

std::unique_ptr<UpdateDownloader> CreateSystemUpdateDownloader() { return std::make_unique<UrlMonDownloader>(); }

}  // namespace zk40
