#include "pages/StatisticsPage.h"

#include "pages/StatisticsFile.h"
#include "settings/FileMessages.h"

namespace zk40 {

StatisticsPage::StatisticsPage(FileSystem& fs, UserNotifier& notifier, const StringTable& strings,
                               Clock& clock, std::u16string path)
    : fs_(fs), notifier_(notifier), strings_(strings), clock_(clock), path_(std::move(path)) {
  last_write_ms_ = clock_.NowMs();
}

std::uint64_t StatisticsSaveIntervalFrom(const char* seconds) {
  constexpr std::uint64_t kLongest = 24 * 60 * 60;
  if (seconds == nullptr || *seconds == '\0') return kStatisticsSaveIntervalMs;
  std::uint64_t value = 0;
  for (const char* c = seconds; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return kStatisticsSaveIntervalMs;
    value = value * 10 + static_cast<std::uint64_t>(*c - '0');
    if (value > kLongest) return kStatisticsSaveIntervalMs;
  }
  return value == 0 ? kStatisticsSaveIntervalMs : value * 1000;
}

std::u16string ResetStatisticsQuestion(int uiIsChinese) {
  return uiIsChinese == 1 ? u"确定要重置奖杯和统计数据么？" : u"Do you want to reset trophy data ?";
}

void StatisticsPage::Load() {
  if (LoadStatistics(fs_, path_, counters_) == FileStatus::not_found) ReportMissingFile(notifier_, path_);
  changed_ = false;
}

bool StatisticsPage::OnMouseEvent(std::uint32_t eventCode) {
  if (!CountMouseEvent(counters_, eventCode)) return false;
  changed_ = true;
  return true;
}

void StatisticsPage::OnCursorSample(CursorPoint point) {
  if (AddCursorTravel(counters_, last_point_, point) != 0) changed_ = true;
  last_point_ = point;
}

bool StatisticsPage::OnTimer() {
  if (!changed_ || clock_.NowMs() - last_write_ms_ < save_interval_ms_) return false;
  return Write(true);
}

StatisticsDisplay StatisticsPage::Compose() {
  level_ = RaisedTrophyLevel(level_, counters_);
  StatisticsDisplay display;
  display.texts = StatisticsTexts(counters_);
  display.level = level_;
  display.level_changed = level_ != level_drawn_;
  level_drawn_ = level_;
  display.strip_width = ProgressStripWidth(level_);
  return display;
}

bool StatisticsPage::Reset(int uiIsChinese) {
  if (!notifier_.ShowNotice(ResetStatisticsQuestion(uiIsChinese), true)) return false;
  counters_ = {};
  level_ = 0;
  level_drawn_ = kNoLevelDrawn;
  Save();
  return true;
}

bool StatisticsPage::Save() { return Write(false); }

bool StatisticsPage::Write(bool quiet) {
  const FileStatus status = SaveStatistics(fs_, path_, counters_);
  // The interval runs from every attempt, so a failing disk is not retried at every tick.
  last_write_ms_ = clock_.NowMs();
  if (status == FileStatus::ok) {
    changed_ = false;
    last_write_failed_ = false;
    return true;
  }
  const bool report = !quiet || !last_write_failed_;
  // Set before the message box: its modal loop may run the timer again.
  last_write_failed_ = true;
  if (report) ReportWriteFailure(notifier_, strings_, status, path_);
  return false;
}

}  // namespace zk40
