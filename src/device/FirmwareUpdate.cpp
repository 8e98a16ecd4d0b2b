#include "device/FirmwareUpdate.h"

#include "device/FirmwareVersion.h"
#include "platform/AtomicFile.h"

namespace zk40 {

FirmwareUpdate::FirmwareUpdate(FirmwareUpdateArgs args, FileSystem& fs, SharedXmlDocument& xml,
                               UpdateDownloader& downloader, UserNotifier& notifier, UpdateHost& host)
    : args_(std::move(args)), fs_(fs), xml_(xml), downloader_(downloader), notifier_(notifier), host_(host) {}

void FirmwareUpdate::Start() {
  if (thread_.joinable() || Stopping()) return;
  thread_ = std::thread([this] { Run(); });
}

void FirmwareUpdate::Stop() {
  {
    std::lock_guard lock(mutex_);
    keep_running_.store(false);
  }
  stop_.request_stop();
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void FirmwareUpdate::SetFirmwareText(std::u16string text) {
  std::lock_guard lock(mutex_);
  firmware_text_ = std::move(text);
}

std::u16string FirmwareUpdate::FirmwareText() const {
  std::lock_guard lock(mutex_);
  return firmware_text_;
}

void FirmwareUpdate::SetImageAddress(std::u16string address) {
  std::lock_guard lock(mutex_);
  image_address_ = std::move(address);
}

std::u16string FirmwareUpdate::ImageAddress() const {
  std::lock_guard lock(mutex_);
  return image_address_;
}

void FirmwareUpdate::Queue(const Request& request) {
  {
    std::lock_guard lock(mutex_);
    request_ = request;
    requested_ = true;
  }
  wake_.notify_all();
}

int FirmwareUpdate::CheckForUpdate(int uiIsChinese) {
  int idle = 1;
  if (!idle_.compare_exchange_strong(idle, 0)) return 0;

  const std::optional<UpdateDescription> cached =
      ReadUpdateDescription(fs_, xml_, DescriptionPath(args_.install_folder));
  if (cached && IsNewerFirmware(cached->current, FirmwareText())) {
    if (notifier_.ShowNotice(NewerFirmwareQuestion(uiIsChinese), true)) {
      // The image on disk may be missing or older than the cached version:
      // the checker fetches the one the description names, then hands it over.
      SetImageAddress(cached->newfile);
      Queue({Job::image, 0, uiIsChinese});
      return 1;
    }
    idle_.store(1);
    return 0;
  }

  const std::uint64_t check = ++last_check_;
  awaiting_.store(check);
  host_.StartAnswerTimer(kUpdateAnswerMs);
  Queue({Job::check, check, uiIsChinese});
  return 1;
}

bool FirmwareUpdate::OnUpdateTimer(std::uint32_t timerId, int uiIsChinese) {
  if (timerId != kUpdateTimerId) return false;
  host_.KillAnswerTimer();
  {
    // A check the checker has not begun yet is dropped.
    std::lock_guard lock(mutex_);
    if (request_.job == Job::check) requested_ = false;
  }
  // The checker may have answered while this timer message was queued.
  if (awaiting_.exchange(0) == 0) return true;
  idle_.store(1);
  notifier_.ShowNotice(LatestFirmwareText(uiIsChinese), false);
  return true;
}

void FirmwareUpdate::Run() {
  for (;;) {
    Request request;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return requested_ || Stopping(); });
      if (Stopping()) return;
      requested_ = false;
      request = request_;
    }
    if (request.job == Job::check) {
      RunCheck(request);
    } else {
      if (DownloadFirmware() && !Stopping()) StartFlasher(request.ui_is_chinese);
      idle_.store(1);
    }
  }
}

void FirmwareUpdate::RunCheck(const Request& request) {
  const std::optional<UpdateDescription> description = FetchDescription();
  if (Stopping()) return;
  std::uint64_t check = request.check;
  // The timer answered already: this late answer shows nothing.
  if (!awaiting_.compare_exchange_strong(check, 0)) return;
  host_.KillAnswerTimer();
  const int chinese = request.ui_is_chinese;
  if (description) SetImageAddress(description->newfile);
  if (description && IsNewerFirmware(description->current, FirmwareText())) {
    if (notifier_.ShowNotice(NewerFirmwareQuestion(chinese), true) && DownloadFirmware() && !Stopping()) {
      StartFlasher(chinese);
    }
  } else {
    // No answer, a hostile or broken description and an up-to-date mouse all read the same.
    notifier_.ShowNotice(LatestFirmwareText(chinese), false);
  }
  idle_.store(1);
}

bool FirmwareUpdate::DownloadWhole(const std::u16string& url, const std::u16string& temporary,
                                   const DownloadLimits& limits, std::vector<std::uint8_t>& bytes) {
  fs_.CreateFolder(FirmwareFolder(args_.install_folder));
  bytes.clear();
  const bool whole = downloader_.Download(url, temporary, limits, stop_.get_token()) == DownloadResult::ok &&
                     fs_.ReadWhole(temporary, limits.max_bytes + 1, bytes) == FileStatus::ok &&
                     !bytes.empty() && bytes.size() <= limits.max_bytes;
  if (!whole) fs_.Remove(temporary);
  return whole;
}

std::optional<UpdateDescription> FirmwareUpdate::FetchDescription() {
  const std::u16string path = DescriptionPath(args_.install_folder);
  const std::u16string temporary = TemporaryPathFor(path);
  std::vector<std::uint8_t> bytes;
  if (!DownloadWhole(DescriptionUrl(args_.server), temporary, kDescriptionLimits, bytes)) return std::nullopt;
  std::optional<UpdateDescription> description = ParseUpdateDescription(xml_, std::move(bytes));
  // Only a usable description replaces the cached one.
  if (!description || fs_.MoveReplacing(temporary, path) != FileStatus::ok) fs_.Remove(temporary);
  return description;
}

bool FirmwareUpdate::DownloadFirmware() {
  const std::u16string address = ImageAddress();
  const std::u16string image = FirmwareImagePath(args_.install_folder);
  const std::u16string temporary = TemporaryPathFor(image);
  std::vector<std::uint8_t> bytes;
  bool whole = IsAcceptableImageAddress(address) && DownloadWhole(address, temporary, kFirmwareImageLimits, bytes);
  if (whole && fs_.MoveReplacing(temporary, image) != FileStatus::ok) {
    fs_.Remove(temporary);
    whole = false;
  }
  if (!whole && !Stopping()) notifier_.ShowNotice(FirmwareDownloadFailedText(), false);
  return whole;
}

bool FirmwareUpdate::StartFlasher(int uiIsChinese) {
  host_.OpenFlasher(FlasherPath(args_.install_folder), uiIsChinese == 1 ? u"1" : u"0");
  host_.CloseProgram();
  return true;
}

}  // namespace zk40
