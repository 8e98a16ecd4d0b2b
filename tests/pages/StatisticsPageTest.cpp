#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "pages/DistanceSampler.h"
#include "pages/StatisticsFile.h"
#include "pages/StatisticsPage.h"
#include "platform/AtomicFile.h"
#include "platform/Utf16Text.h"
#include "shell/MouseEventCodes.h"
#include "support/FakeFileSystem.h"
#include "support/RecordingNotifier.h"

namespace zk40 {
namespace {

using test::FakeFileSystem;
using test::FsOp;

const std::u16string kFolder = u"C:\\Temp\\OSTREL\\ZK40";
const std::u16string kPath = kFolder + u"\\Sts.cfg";
// Every temporary file a replacing write of Sts.cfg may take.
const std::u16string kTemporaryFiles = kPath + kTemporaryMark + u"*";

std::vector<std::uint8_t> Words(std::initializer_list<std::uint32_t> words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t w : words) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
  }
  return bytes;
}

class StatisticsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.AddFolder(kFolder);
    strings.Set("str_msg2", u"Cannot save %s");
    strings.Set("str_msg5", u"No access");
  }
  void Click(int times, std::uint32_t code = kLeftDown) {
    for (int i = 0; i < times; ++i) page.OnMouseEvent(code);
  }

  FakeFileSystem fs;
  test::RecordingNotifier notifier;
  StringTable strings;
  VirtualClock clock;
  StatisticsPage page{fs, notifier, strings, clock, kPath};
};

TEST_F(StatisticsPageTest, AMissingFileShowsItsNoticeOnceAndTheFirstSaveCreatesIt) {
  page.Load();
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_TRUE(notifier.shown[0].is_notice);
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[0].text),
            "Failed to open file, check whether there is a C:\\Temp\\OSTREL\\ZK40\\Sts.cfg path?");
  EXPECT_EQ(page.Counters().left, 0u);

  Click(2);
  page.OnMouseEvent(kWheelBackward);
  ASSERT_TRUE(page.Save());
  EXPECT_EQ(fs.Bytes(kPath), Words({2, 0, 0, 0, 1, 0}));
  EXPECT_EQ(notifier.shown.size(), 1u);
}

TEST_F(StatisticsPageTest, TheFileHoldsTheSixCountersInOrder) {
  fs.AddFile(kPath, Words({1, 2, 3, 4, 5, 5'000'000}));
  page.Load();
  EXPECT_TRUE(notifier.shown.empty());
  const StatisticsCounters& c = page.Counters();
  EXPECT_EQ(c.left, 1u);
  EXPECT_EQ(c.middle, 2u);
  EXPECT_EQ(c.right, 3u);
  EXPECT_EQ(c.wheel_forward, 4u);
  EXPECT_EQ(c.wheel_backward, 5u);
  EXPECT_EQ(Utf16ToUtf8(page.Compose().texts[7]), "500.00");
  page.OnMouseEvent(kMiddleDown);
  ASSERT_TRUE(page.Save());
  EXPECT_EQ(fs.Bytes(kPath), Words({1, 3, 3, 4, 5, 5'000'000}));
}

TEST_F(StatisticsPageTest, AShortFileKeepsItsWholeCountersAndNeverPartOfOne) {
  std::vector<std::uint8_t> torn = Words({7, 8, 0x01020304});
  torn.resize(10);  // the third counter cut after two bytes
  fs.AddFile(kPath, torn);
  page.Load();
  EXPECT_TRUE(notifier.shown.empty());
  EXPECT_EQ(page.Counters().left, 7u);
  EXPECT_EQ(page.Counters().middle, 8u);
  EXPECT_EQ(page.Counters().right, 0u);

  // Bytes beyond the six counters are not read.
  std::vector<std::uint8_t> longer = Words({1, 1, 1, 1, 1, 1, 99});
  fs.AddFile(kPath, longer);
  StatisticsCounters counters{};
  ASSERT_EQ(LoadStatistics(fs, kPath, counters), FileStatus::ok);
  EXPECT_EQ(counters.cursor_travel, 1u);
  EXPECT_EQ(LoadStatistics(fs, kFolder + u"\\none.cfg", counters), FileStatus::not_found);
  EXPECT_EQ(counters.left, 0u);
}

TEST_F(StatisticsPageTest, AFailedSaveLeavesTheOldFileWhole) {
  fs.AddFile(kPath, Words({5, 5, 5, 5, 5, 5}));
  page.Load();
  Click(1);
  fs.FailWriteAfter(10);
  EXPECT_FALSE(page.Save());
  EXPECT_EQ(fs.Bytes(kPath), Words({5, 5, 5, 5, 5, 5}));
  for (const auto& [path, bytes] : fs.files) EXPECT_EQ(path.find(kTemporaryMark), std::u16string::npos);
}

TEST_F(StatisticsPageTest, SaveFailuresAreReportedByCause) {
  // The folder has gone: neither the temporary file nor the file itself can be made.
  fs.Fail(FsOp::create_new, kTemporaryFiles, FileStatus::not_found);
  fs.Fail(FsOp::write, kPath, FileStatus::not_found);
  EXPECT_FALSE(page.Save());
  fs.ClearFaults();
  fs.Fail(FsOp::create_new, kTemporaryFiles, FileStatus::access_denied);
  EXPECT_FALSE(page.Save());
  fs.ClearFaults();
  fs.Fail(FsOp::create_new, kTemporaryFiles, FileStatus::other);
  EXPECT_FALSE(page.Save());
  ASSERT_EQ(notifier.shown.size(), 2u);
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[0].text), "Cannot save C:\\Temp\\OSTREL\\ZK40\\Sts.cfg");
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[0].caption), "Info");
  EXPECT_FALSE(notifier.shown[0].is_notice);
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[1].text), "No access");
}

TEST_F(StatisticsPageTest, ChangedCountsAreSavedEveryFewMinutes) {
  fs.AddFile(kPath, Words({0, 0, 0, 0, 0, 0}));
  page.Load();
  EXPECT_FALSE(page.OnTimer());  // nothing changed
  Click(3);
  clock.SleepMs(kStatisticsSaveIntervalMs - 1);
  EXPECT_FALSE(page.OnTimer());  // too soon
  clock.SleepMs(1);
  EXPECT_TRUE(page.OnTimer());
  EXPECT_EQ(fs.Bytes(kPath), Words({3, 0, 0, 0, 0, 0}));

  // A cursor that stands still changes nothing; one that moves does.
  clock.SleepMs(kStatisticsSaveIntervalMs);
  page.StartTravelAt({5, 5});
  page.OnCursorSample({5, 5});
  EXPECT_FALSE(page.OnTimer());
  page.OnCursorSample({8, 1});
  EXPECT_TRUE(page.OnTimer());
  EXPECT_EQ(fs.Bytes(kPath), Words({3, 0, 0, 0, 0, 7}));
}

TEST_F(StatisticsPageTest, TheSavePeriodCanBeSetInSecondsAndNonsenseKeepsTheDefault) {
  EXPECT_EQ(StatisticsSaveIntervalFrom("3"), 3000u);
  EXPECT_EQ(StatisticsSaveIntervalFrom("86400"), 86'400'000u);
  for (const char* nonsense : {static_cast<const char*>(nullptr), "", "0", "-5", "2s", " 2", "86401",
                               "99999999999999999999999"}) {
    EXPECT_EQ(StatisticsSaveIntervalFrom(nonsense), kStatisticsSaveIntervalMs) << (nonsense ? nonsense : "null");
  }
  page.SetSaveInterval(3000);
  page.Load();
  Click(1);
  clock.SleepMs(2999);
  EXPECT_FALSE(page.OnTimer());
  clock.SleepMs(1);
  EXPECT_TRUE(page.OnTimer());
}

TEST_F(StatisticsPageTest, AFailingPeriodicSaveIsReportedOnceUntilASaveSucceeds) {
  fs.Fail(FsOp::create_new, kTemporaryFiles, FileStatus::access_denied);
  for (int round = 0; round < 3; ++round) {
    Click(1);
    clock.SleepMs(kStatisticsSaveIntervalMs);
    EXPECT_FALSE(page.OnTimer());
  }
  EXPECT_EQ(notifier.shown.size(), 1u);
  // A save the user waits for (exit, reset) always reports.
  EXPECT_FALSE(page.Save());
  EXPECT_EQ(notifier.shown.size(), 2u);
  fs.ClearFaults();
  clock.SleepMs(kStatisticsSaveIntervalMs);
  EXPECT_TRUE(page.OnTimer());
  EXPECT_EQ(fs.Bytes(kPath), Words({3, 0, 0, 0, 0, 0}));
}

TEST_F(StatisticsPageTest, TheDisplayLoadsPicturesOnlyWhenTheLevelChanges) {
  StatisticsDisplay first = page.Compose();
  EXPECT_TRUE(first.level_changed);  // nothing drawn yet
  EXPECT_EQ(first.level, 0);
  EXPECT_EQ(first.strip_width, 21);
  EXPECT_FALSE(page.Compose().level_changed);

  Click(100'000, kMiddleDown);
  const StatisticsDisplay raised = page.Compose();
  EXPECT_TRUE(raised.level_changed);
  EXPECT_EQ(raised.level, 1);
  EXPECT_EQ(raised.strip_width, 42);
  EXPECT_EQ(Utf16ToUtf8(raised.texts[1]), "100000");
}

TEST_F(StatisticsPageTest, ResetAsksFirstAndOnlyOKClearsAndSaves) {
  fs.AddFile(kPath, Words({500'000, 0, 0, 0, 0, 9}));
  page.Load();
  page.Compose();
  ASSERT_EQ(page.Level(), 2);

  notifier.reply = false;
  EXPECT_FALSE(page.Reset(0));
  EXPECT_EQ(page.Counters().left, 500'000u);
  EXPECT_EQ(page.Level(), 2);
  EXPECT_EQ(fs.CallCount(FsOp::write), 0);

  notifier.reply = true;
  EXPECT_TRUE(page.Reset(1));
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[0].text), "Do you want to reset trophy data ?");
  EXPECT_TRUE(notifier.shown[0].with_cancel);
  EXPECT_EQ(Utf16ToUtf8(notifier.shown[1].text), "确定要重置奖杯和统计数据么？");
  EXPECT_EQ(page.Level(), 0);
  EXPECT_EQ(fs.Bytes(kPath), Words({0, 0, 0, 0, 0, 0}));
  const StatisticsDisplay after = page.Compose();
  EXPECT_TRUE(after.level_changed);
  EXPECT_EQ(after.level, 0);
}

// A cursor that walks one pixel right per sample; it says nothing on request.
class WalkingCursor final : public CursorSource {
 public:
  std::optional<CursorPoint> CursorPosition() override {
    if (silent.load()) return std::nullopt;
    return CursorPoint{x.fetch_add(1) + 1, 0};
  }
  std::atomic<int> x{0};
  std::atomic<bool> silent{false};
};

TEST(DistanceSamplerTest, SamplesArriveUntilStoppedAndAreReadWhole) {
  WalkingCursor cursor;
  VirtualClock clock;
  std::atomic<int> samples{0};
  DistanceSampler sampler(cursor, clock, [&] { samples.fetch_add(1); });
  sampler.Start();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (samples.load() < 5 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  sampler.Stop();
  const int taken = samples.load();
  ASSERT_GE(taken, 5);
  EXPECT_EQ(sampler.Latest(), (CursorPoint{taken, 0}));
  // Half a second of virtual time between samples.
  EXPECT_GE(clock.NowMs(), std::uint64_t{kCursorSampleMs} * static_cast<std::uint64_t>(taken - 1));
  EXPECT_EQ(samples.load(), taken);
}

TEST(DistanceSamplerTest, ACursorTheSystemCannotReadPostsNothing) {
  WalkingCursor cursor;
  cursor.silent = true;
  VirtualClock clock;
  std::atomic<int> samples{0};
  DistanceSampler sampler(cursor, clock, [&] { samples.fetch_add(1); });
  sampler.Start();
  while (clock.NowMs() < 10 * kCursorSampleMs) std::this_thread::yield();
  sampler.Stop();
  EXPECT_EQ(samples.load(), 0);
  EXPECT_EQ(sampler.Latest(), (CursorPoint{0, 0}));
}

}  // namespace
}  // namespace zk40
