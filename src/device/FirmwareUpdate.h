#pragma once
// The firmware update check of the support page and its checker thread.
//
// The update button (CheckForUpdate) first looks at the cached description;
// when that already names a newer version it asks at once. Otherwise it
// starts the page's answer timer and wakes the checker, which downloads the
// description, and answers: newer (question; on OK the image is downloaded
// and the flasher started), or the latest text. Whichever of the checker and
// the timer answers first answers alone: each check has a number, and the
// timer abandons the number it finds waiting, so a late checker shows
// nothing and never touches a later check.
//
// Nothing here runs long on the UI thread: downloads happen on the checker
// thread only, and the cached description is a small capped file.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "device/UpdateDescription.h"
#include "device/UpdateDownloader.h"
#include "i18n/SharedXmlDocument.h"
#include "platform/FileSystem.h"
#include "platform/UserNotifier.h"

namespace zk40 {

inline constexpr std::uint32_t kUpdateTimerId = 5;
inline constexpr std::uint32_t kUpdateAnswerMs = 2000;
inline constexpr DownloadLimits kDescriptionLimits{kMaxDescriptionBytes, 20'000};
inline constexpr DownloadLimits kFirmwareImageLimits{kMaxFirmwareImageBytes, 300'000};

// What the update check needs from the support page and the main window.
class UpdateHost {
 public:
  virtual ~UpdateHost() = default;
  // Starts the page's answer timer (id 5); called on the UI thread.
  virtual void StartAnswerTimer(std::uint32_t ms) = 0;
  // Stops it; called on the UI thread and on the checker thread.
  virtual void KillAnswerTimer() = 0;
  // Starts the flasher program with the operation "open" and one parameter, shown normally.
  virtual void OpenFlasher(const std::u16string& program, const std::u16string& parameter) = 0;
  // Asks the main window to close (WM_CLOSE, posted), which ends the program.
  virtual void CloseProgram() = 0;
};

struct FirmwareUpdateArgs {
  std::u16string install_folder;
  std::u16string server;  // scheme and host of the update server; DefaultUpdateServer() in the program
};

class FirmwareUpdate {
 public:
  // The notifier's notices and questions come from the UI thread and from the
  // checker thread; each is modal on the thread that shows it.
  FirmwareUpdate(FirmwareUpdateArgs args, FileSystem& fs, SharedXmlDocument& xml, UpdateDownloader& downloader,
                 UserNotifier& notifier, UpdateHost& host);
  ~FirmwareUpdate() { Stop(); }
  FirmwareUpdate(const FirmwareUpdate&) = delete;
  FirmwareUpdate& operator=(const FirmwareUpdate&) = delete;

  // The checker thread: started once the mouse was found.
  void Start();
  // Ends the checker: a download in progress is given up, nothing more is
  // shown, and the thread is joined.
  void Stop();

  // The update button. 0 while a check is in progress (nothing happens) and
  // when the cached question was answered with Cancel; otherwise 1.
  int CheckForUpdate(int uiIsChinese);
  // The page's timer handler; false for timers that are not the answer timer.
  bool OnUpdateTimer(std::uint32_t timerId, int uiIsChinese);

  // Downloads the image address to the firmware image, whole or not at all;
  // on failure the download-failed notice. Runs on the checker thread.
  bool DownloadFirmware();
  // Starts the flasher ("1" for a Chinese interface, else "0") and closes the program.
  bool StartFlasher(int uiIsChinese);

  // The mouse's version in decimal, empty when it could not be read.
  void SetFirmwareText(std::u16string text);
  std::u16string FirmwareText() const;
  // The "newfile" of the last description used.
  std::u16string ImageAddress() const;
  // False while a check is in progress; the update button does nothing then.
  bool CheckIdle() const { return idle_.load() != 0; }

 private:
  enum class Job { check, image };
  struct Request {
    Job job = Job::check;
    std::uint64_t check = 0;  // the check's number
    int ui_is_chinese = 0;
  };

  void Run();
  void Queue(const Request& request);
  void RunCheck(const Request& request);
  std::optional<UpdateDescription> FetchDescription();
  // Downloads url to temporary and reads it back; false (temporary removed)
  // unless it arrived whole, not empty and within the limits.
  bool DownloadWhole(const std::u16string& url, const std::u16string& temporary, const DownloadLimits& limits,
                     std::vector<std::uint8_t>& bytes);
  void SetImageAddress(std::u16string address);
  bool Stopping() const { return !keep_running_.load(); }

  const FirmwareUpdateArgs args_;
  FileSystem& fs_;
  SharedXmlDocument& xml_;
  UpdateDownloader& downloader_;
  UserNotifier& notifier_;
  UpdateHost& host_;

  std::atomic<int> idle_{1};
  // The check that waits for its answer; 0 when none does.
  std::atomic<std::uint64_t> awaiting_{0};
  std::uint64_t last_check_ = 0;  // UI thread only

  mutable std::mutex mutex_;  // guards the request and the two texts
  std::condition_variable wake_;
  bool requested_ = false;  // the update-check event
  Request request_;
  std::u16string firmware_text_;
  std::u16string image_address_;

  std::atomic<bool> keep_running_{true};
  std::stop_source stop_;
  std::thread thread_;
};

}  // namespace zk40
