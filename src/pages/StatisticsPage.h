#pragma once
// The decisions of the statistics page: counting the hooks' mouse events and
// the sampler's cursor travel, the trophy level, the display, reset, and
// keeping Sts.cfg. Besides the saves at reset, at log-off and at exit, the
// counters are saved every few minutes while they change, so a process that
// dies loses at most those minutes. Everything here runs on the UI thread.

#include <array>
#include <cstdint>
#include <string>

#include "i18n/StringTable.h"
#include "pages/Statistics.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/UserNotifier.h"

namespace zk40 {

// How often changed counters are written while the program runs.
inline constexpr std::uint64_t kStatisticsSaveIntervalMs = 2 * 60 * 1000;
// The environment variable that shortens or lengthens that period, in whole
// seconds (1 to 86400); tests use it to see a periodic save without waiting
// minutes. The program reads it once, when the statistics page starts.
inline constexpr char kStatisticsSaveSecondsVariable[] = "ZK40_STATS_SAVE_SECONDS";
// The period a value of that variable asks for: the default for a missing,
// empty, malformed or out-of-range value.
std::uint64_t StatisticsSaveIntervalFrom(const char* seconds);
// The page's timer 1: the distance is repainted (and a periodic save considered) this often.
inline constexpr std::uint32_t kStatisticsTimerId = 1;
inline constexpr std::uint32_t kStatisticsTimerMs = 5000;
// The level last drawn before anything was drawn, so the first display loads the pictures.
inline constexpr int kNoLevelDrawn = 800;

inline constexpr int kTrophyHint = 54;
inline constexpr int kResetHint = 55;

// What one display of the page shows.
struct StatisticsDisplay {
  std::array<std::u16string, kStatisticsTexts> texts;
  int level = 0;
  // The level differs from the one drawn last: load the trophy pictures of
  // this level, light icons 0..level and repaint the whole page.
  bool level_changed = false;
  int strip_width = 0;
};

class StatisticsPage {
 public:
  StatisticsPage(FileSystem& fs, UserNotifier& notifier, const StringTable& strings, Clock& clock,
                 std::u16string path);

  // At initialisation: the counters from Sts.cfg; a missing file shows its
  // notice and the counters start at 0.
  void Load();

  // Message 1225. True when the code was counted (the number column needs a repaint).
  bool OnMouseEvent(std::uint32_t eventCode);
  // The cursor position the travel starts from (page initialisation).
  void StartTravelAt(CursorPoint point) { last_point_ = point; }
  // Message 1226 with the sampler's latest point.
  void OnCursorSample(CursorPoint point);
  // Timer 1: writes Sts.cfg when the counters changed and the last write is
  // older than the save interval. True when it wrote.
  bool OnTimer();
  void SetSaveInterval(std::uint64_t ms) { save_interval_ms_ = ms; }

  // Raises the level from the totals and says what to show.
  StatisticsDisplay Compose();

  // Asks whether to reset; on OK clears the counters and the level and saves.
  // True when reset (the page then displays and repaints).
  bool Reset(int uiIsChinese);

  // Writes Sts.cfg (exit, log-off, reset), reporting a failure. True when written.
  bool Save();

  const StatisticsCounters& Counters() const { return counters_; }
  int Level() const { return level_; }
  const std::u16string& Path() const { return path_; }

 private:
  // quiet: a failure is reported only when the previous write did not fail too.
  bool Write(bool quiet);

  FileSystem& fs_;
  UserNotifier& notifier_;
  const StringTable& strings_;
  Clock& clock_;
  std::u16string path_;
  StatisticsCounters counters_{};
  int level_ = 0;
  int level_drawn_ = kNoLevelDrawn;
  CursorPoint last_point_;
  bool changed_ = false;       // counts differ from the file
  bool last_write_failed_ = false;
  std::uint64_t last_write_ms_ = 0;
  std::uint64_t save_interval_ms_ = kStatisticsSaveIntervalMs;
};

std::u16string ResetStatisticsQuestion(int uiIsChinese);

}  // namespace zk40
