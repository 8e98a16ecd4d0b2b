#include <gtest/gtest.h>

#include <condition_variable>
#include <map>

#include "device/FirmwareUpdate.h"
#include "device/FirmwareVersion.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "support/FakeFileSystem.h"
#include "support/UpdateFakes.h"

namespace zk40 {
namespace {

using Lines = std::vector<std::string>;
using test::FakeFileSystem;

const std::u16string kInstall = u"C:\\ZK40";
const std::u16string kServer = u"http://update.test";
const std::u16string kDescriptionUrl = u"http://update.test/software/zk40/update.xml";
const std::u16string kImageUrl = u"http://update.test/fw/zk40-18.bin";
const std::string kNewer = "ask A new version of firmware is available for the gaming mouse, whether to update or not?";
const std::string kLatest = "notice Firmware is the latest version.";
const std::string kFailed = "notice New-version firmware download failed.";
const std::string kFlasher = "open C:\\ZK40\\FWUpdate\\ZizedoRI.exe 0";

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Description(const std::string& current, const std::u16string& newfile = kImageUrl) {
  return "<update><firmware><current>" + current + "</current><newfile>" + Utf16ToUtf8(newfile) +
         "</newfile></firmware></update>";
}

// Serves bodies by address into the fake file system; any other address
// fails. While held, downloads wait for the release (or the stop).
class ScriptedDownloader final : public UpdateDownloader {
 public:
  explicit ScriptedDownloader(FakeFileSystem& fs) : fs_(fs) {}

  void Serve(const std::u16string& url, const std::string& body) {
    std::lock_guard lock(mutex_);
    bodies_[url] = body;
  }
  // The body is written, then the download fails, as a connection that drops does.
  void ServeBroken(const std::u16string& url, const std::string& partial) {
    Serve(url, partial);
    std::lock_guard lock(mutex_);
    broken_[url] = true;
  }
  void Hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
  }
  void Release() {
    {
      std::lock_guard lock(mutex_);
      held_ = false;
    }
    wake_.notify_all();
  }
  int Waiting() const { return waiting_.load(); }
  std::vector<std::u16string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  DownloadResult Download(const std::u16string& url, const std::u16string& path, const DownloadLimits&,
                          std::stop_token stop) override {
    std::unique_lock lock(mutex_);
    requests_.push_back(url);
    ++waiting_;
    wake_.wait(lock, stop, [this] { return !held_; });
    --waiting_;
    if (stop.stop_requested()) return DownloadResult::stopped;
    const auto body = bodies_.find(url);
    if (body == bodies_.end()) return DownloadResult::failed;
    // Limits are left to the caller on purpose: the check must hold them itself.
    if (fs_.WriteWhole(path, Bytes(body->second)) != FileStatus::ok) return DownloadResult::failed;
    return broken_.count(url) ? DownloadResult::failed : DownloadResult::ok;
  }

 private:
  FakeFileSystem& fs_;
  mutable std::mutex mutex_;
  std::condition_variable_any wake_;
  std::map<std::u16string, std::string> bodies_;
  std::map<std::u16string, bool> broken_;
  std::vector<std::u16string> requests_;
  bool held_ = false;
  std::atomic<int> waiting_{0};
};

class FirmwareUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    update.SetFirmwareText(u"17");
    update.Start();
  }

  // Presses the update button and waits until the check is over.
  int Check(int chinese = 0) {
    const int result = update.CheckForUpdate(chinese);
    EXPECT_TRUE(test::WaitFor([this] { return update.CheckIdle(); }));
    return result;
  }
  bool Has(const std::u16string& path) const { return fs.HasFile(path); }
  std::string Text(const std::u16string& path) const {
    const auto& b = fs.Bytes(path);
    return {b.begin(), b.end()};
  }

  std::unique_ptr<CodePage> codePage = CreateSystemCodePage();
  FakeFileSystem fs;
  SharedXmlDocument xml{fs, *codePage};
  ScriptedDownloader downloader{fs};
  test::EventLog log;
  test::LoggingNotifier notifier{log};
  test::LoggingUpdateHost host{log};
  FirmwareUpdate update{{kInstall, kServer}, fs, xml, downloader, notifier, host};
  const std::u16string image = FirmwareImagePath(kInstall);
  const std::u16string cached = DescriptionPath(kInstall);
};

TEST_F(FirmwareUpdateTest, ANewerVersionIsDownloadedWholeAndHandedToTheFlasher) {
  downloader.Serve(kDescriptionUrl, Description("18"));
  downloader.Serve(kImageUrl, "IMAGE-18");
  EXPECT_EQ(Check(), 1);
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer, kFlasher, "close"}));
  EXPECT_EQ(Text(image), "IMAGE-18");
  EXPECT_EQ(Text(cached), Description("18"));
  EXPECT_FALSE(Has(TemporaryPathFor(image)));
  EXPECT_FALSE(Has(TemporaryPathFor(cached)));
  EXPECT_EQ(update.ImageAddress(), kImageUrl);
}

TEST_F(FirmwareUpdateTest, AChineseInterfaceAsksInChineseAndTellsTheFlasher) {
  downloader.Serve(kDescriptionUrl, Description("18"));
  downloader.Serve(kImageUrl, "IMAGE-18");
  Check(1);
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", "ask 游戏鼠标固件有更新,是否更新到最新版本?",
                                "open C:\\ZK40\\FWUpdate\\ZizedoRI.exe 1", "close"}));
}

TEST_F(FirmwareUpdateTest, CancelDownloadsNothingAndTheProgramStays) {
  downloader.Serve(kDescriptionUrl, Description("18"));
  notifier.reply = false;
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer}));
  EXPECT_EQ(downloader.Requests(), std::vector<std::u16string>{kDescriptionUrl});
  EXPECT_FALSE(Has(image));
}

TEST_F(FirmwareUpdateTest, TheSameOrAnOlderVersionIsTheLatest) {
  for (const char* current : {"17", "3", "", "017abc"}) {
    log.Clear();
    downloader.Serve(kDescriptionUrl, Description(current));
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest})) << current;
  }
  log.Clear();
  downloader.Serve(kDescriptionUrl, Description("16"));
  Check(1);
  EXPECT_EQ(log.Lines().back(), "notice 固件已经是最新版本.");
}

TEST_F(FirmwareUpdateTest, WithoutAVersionFromTheMouseAnyVersionAboveZeroIsNewer) {
  update.SetFirmwareText(u"");
  downloader.Serve(kDescriptionUrl, Description("0"));
  Check();
  EXPECT_EQ(log.Lines().back(), kLatest);
  log.Clear();
  notifier.reply = false;
  downloader.Serve(kDescriptionUrl, Description("1"));
  Check();
  EXPECT_EQ(log.Lines().back(), kNewer);
}

TEST_F(FirmwareUpdateTest, AServerThatDoesNotAnswerReadsAsTheLatest) {
  fs.AddFile(cached, Bytes(Description("12")));
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  EXPECT_EQ(Text(cached), Description("12"));
  EXPECT_FALSE(Has(TemporaryPathFor(cached)));
}

TEST_F(FirmwareUpdateTest, HostileDescriptionsReadAsNoNewerVersionAndAreNotKept) {
  const std::string padding(kMaxDescriptionBytes, ' ');
  const std::string oversized = "<update>" + padding + Description("99").substr(8);
  for (const std::string& body : {oversized, std::string("<update><firmware><current>99</current>"),
                                  std::string("\x00\x01\x02", 3)}) {
    log.Clear();
    downloader.Serve(kDescriptionUrl, body);
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
    EXPECT_FALSE(Has(cached));
    EXPECT_FALSE(Has(TemporaryPathFor(cached)));
  }
  // Well formed, but its version does not fit: kept, and still not newer.
  log.Clear();
  downloader.Serve(kDescriptionUrl, Description("99999999999"));
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  log.Clear();
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
}

TEST_F(FirmwareUpdateTest, AnImageAddressThatIsNotAWebAddressIsRefused) {
  const std::u16string tooLong = u"http://update.test/" + std::u16string(kMaxImageAddressUnits, u'a');
  for (const std::u16string& newfile : std::vector<std::u16string>{
           u"C:\\Windows\\System32\\evil.bin", u"file:///C:/evil.bin", u"ftp://update.test/fw.bin", u"", tooLong}) {
    log.Clear();
    fs.files.erase(cached);  // each round asks the server again
    downloader.Serve(kDescriptionUrl, Description("18", newfile));
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer, kFailed}));
  }
  for (const std::u16string& url : downloader.Requests()) EXPECT_EQ(url, kDescriptionUrl);
  EXPECT_FALSE(Has(image));
}

TEST_F(FirmwareUpdateTest, ABrokenOrOversizedImageNeverReplacesTheImageOnDisk) {
  fs.AddFile(image, Bytes("OLD-IMAGE"));
  downloader.Serve(kDescriptionUrl, Description("18"));
  for (bool broken : {true, false}) {
    log.Clear();
    fs.files.erase(cached);
    if (broken) {
      downloader.ServeBroken(kImageUrl, "IMAGE-1");
    } else {
      downloader.Serve(kImageUrl, std::string(kMaxFirmwareImageBytes + 1, 'x'));
    }
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer, kFailed})) << broken;
    EXPECT_EQ(Text(image), "OLD-IMAGE");
    EXPECT_FALSE(Has(TemporaryPathFor(image)));
  }
  // An empty image is no image either.
  log.Clear();
  fs.files.erase(cached);
  downloader.Serve(kImageUrl, "");
  Check();
  EXPECT_EQ(log.Lines().back(), kFailed);
}

TEST_F(FirmwareUpdateTest, TwoQuickPressesStartOneCheck) {
  downloader.Serve(kDescriptionUrl, Description("17"));
  downloader.Hold();
  EXPECT_EQ(update.CheckForUpdate(0), 1);
  EXPECT_FALSE(update.CheckIdle());
  EXPECT_EQ(update.CheckForUpdate(0), 0);
  downloader.Release();
  ASSERT_TRUE(test::WaitFor([this] { return update.CheckIdle(); }));
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  EXPECT_EQ(downloader.Requests().size(), 1u);
}

TEST_F(FirmwareUpdateTest, ASlowServerIsAnsweredByTheTimerAndItsLateAnswerShowsNothing) {
  downloader.Serve(kDescriptionUrl, Description("18"));
  downloader.Serve(kImageUrl, "IMAGE-18");
  downloader.Hold();
  update.CheckForUpdate(0);
  ASSERT_TRUE(test::WaitFor([this] { return downloader.Waiting() == 1; }));
  EXPECT_TRUE(update.OnUpdateTimer(kUpdateTimerId, 0));
  EXPECT_TRUE(update.CheckIdle());
  downloader.Release();
  update.Stop();  // the checker has finished with the late answer
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  EXPECT_FALSE(Has(image));
}

TEST_F(FirmwareUpdateTest, ALateAnswerLeavesTheNextCheckAlone) {
  downloader.Serve(kDescriptionUrl, Description("17"));
  downloader.Hold();
  update.CheckForUpdate(0);
  ASSERT_TRUE(test::WaitFor([this] { return downloader.Waiting() == 1; }));
  update.OnUpdateTimer(kUpdateTimerId, 0);
  // The second press waits behind the late download, then gets its own answer.
  EXPECT_EQ(update.CheckForUpdate(0), 1);
  downloader.Release();
  ASSERT_TRUE(test::WaitFor([this] { return update.CheckIdle(); }));
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest, "timer 2000", "kill timer", kLatest}));
  EXPECT_EQ(downloader.Requests().size(), 2u);
}

TEST_F(FirmwareUpdateTest, TheTimerDropsACheckNotYetBegunAndIgnoresOtherTimers) {
  update.Stop();
  FirmwareUpdate idleChecker({kInstall, kServer}, fs, xml, downloader, notifier, host);
  EXPECT_EQ(idleChecker.CheckForUpdate(0), 1);
  EXPECT_FALSE(idleChecker.OnUpdateTimer(1, 0));
  EXPECT_FALSE(idleChecker.CheckIdle());
  EXPECT_TRUE(idleChecker.OnUpdateTimer(kUpdateTimerId, 0));
  EXPECT_TRUE(idleChecker.CheckIdle());
  idleChecker.Start();
  idleChecker.Stop();
  EXPECT_TRUE(downloader.Requests().empty());
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
}

TEST_F(FirmwareUpdateTest, ATimerThatFiresAfterTheAnswerShowsNothing) {
  downloader.Serve(kDescriptionUrl, Description("17"));
  Check();
  EXPECT_TRUE(update.OnUpdateTimer(kUpdateTimerId, 0));
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest, "kill timer"}));
}

TEST_F(FirmwareUpdateTest, ACachedNewerVersionAsksAtOnceThenFetchesItsImage) {
  fs.AddFile(cached, Bytes(Description("18")));
  fs.AddFile(image, Bytes("OLD-IMAGE"));
  downloader.Serve(kImageUrl, "IMAGE-18");
  notifier.reply = false;
  EXPECT_EQ(Check(), 0);
  EXPECT_EQ(log.Lines(), Lines{kNewer});
  EXPECT_TRUE(downloader.Requests().empty());

  log.Clear();
  notifier.reply = true;
  EXPECT_EQ(Check(), 1);
  // No timer and no description download; the image is the one the description names.
  EXPECT_EQ(log.Lines(), (Lines{kNewer, kFlasher, "close"}));
  EXPECT_EQ(downloader.Requests(), std::vector<std::u16string>{kImageUrl});
  EXPECT_EQ(Text(image), "IMAGE-18");
}

TEST_F(FirmwareUpdateTest, ACachedDescriptionThatIsNotWellFormedIsIgnored) {
  fs.AddFile(cached, Bytes("<update><firmware><current>99</current>"));
  downloader.Serve(kDescriptionUrl, Description("17"));
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
}

TEST_F(FirmwareUpdateTest, StoppingDuringADownloadEndsAtOnceAndShowsNothing) {
  downloader.Hold();
  update.CheckForUpdate(0);
  ASSERT_TRUE(test::WaitFor([this] { return downloader.Waiting() == 1; }));
  update.Stop();
  EXPECT_EQ(log.Lines(), Lines{"timer 2000"});
  EXPECT_EQ(update.CheckForUpdate(0), 0);
}

}  // namespace
}  // namespace zk40
