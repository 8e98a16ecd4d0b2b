// The update check with the system's download against a real HTTP server on
// the loopback interface, writing real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "device/FirmwareUpdate.h"
#include "platform/CodePage.h"
#include "platform/SystemFileSystem.h"
#include "support/LoopbackHttpServer_win32.h"
#include "support/TempFolder.h"
#include "support/UpdateFakes.h"

namespace zk40 {
namespace {

using Lines = std::vector<std::string>;
using test::HttpReply;

const std::string kDescription = "/software/zk40/update.xml";
const std::string kImage = "/fw/zk40-18.bin";
const std::string kNewer = "ask A new version of firmware is available for the gaming mouse, whether to update or not?";
const std::string kLatest = "notice Firmware is the latest version.";
const std::string kFailed = "notice New-version firmware download failed.";

std::string Description(const std::string& current, const std::string& newfile) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<update>\r\n  <firmware>\r\n    <current>" + current +
         "</current>\r\n    <newfile>" + newfile + "</newfile>\r\n  </firmware>\r\n</update>\r\n";
}

class FirmwareUpdateWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.Listening());
    image_url = Utf16ToUtf8(server.BaseUrl()) + kImage;
    update = std::make_unique<FirmwareUpdate>(FirmwareUpdateArgs{install.path(), server.BaseUrl()}, *fs, xml,
                                              *downloader, notifier, host);
    update->SetFirmwareText(u"17");
    update->Start();
  }
  void TearDown() override { update->Stop(); }

  void Check() {
    update->CheckForUpdate(0);
    ASSERT_TRUE(test::WaitFor([this] { return update->CheckIdle(); }, std::chrono::seconds(60)));
  }
  std::filesystem::path Folder() const { return install.native() / "FWUpdate" / "new_version"; }
  std::filesystem::path ImageFile() const { return Folder() / "OstrelGameDevice.bin"; }
  std::filesystem::path DescriptionFile() const { return Folder() / "update.xml"; }
  // Only the two files the check keeps may be left in its folder. A transfer
  // given up finishes in the background and then removes its own file: the
  // server is stopped so that such a transfer ends, and it gets a few seconds.
  void ExpectNoLeftovers() {
    server.Stop();
    std::vector<std::string> strays;
    for (int attempt = 0; attempt < 100; ++attempt) {
      strays.clear();
      if (!std::filesystem::exists(Folder())) return;
      for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        const std::string name = entry.path().filename().string();
        if (name != "update.xml" && name != "OstrelGameDevice.bin") strays.push_back(name);
      }
      if (strays.empty()) return;
      Sleep(100);
    }
    for (const std::string& name : strays) ADD_FAILURE() << "left over: " << name;
  }

  test::TempFolder install;
  // Stopped before the folder goes: a transfer given up may still be reading from it.
  test::LoopbackHttpServer server;
  std::unique_ptr<FileSystem> fs = CreateSystemFileSystem();
  std::unique_ptr<CodePage> codePage = CreateSystemCodePage();
  SharedXmlDocument xml{*fs, *codePage};
  std::unique_ptr<UpdateDownloader> downloader = CreateSystemUpdateDownloader();
  test::EventLog log;
  test::LoggingNotifier notifier{log};
  test::LoggingUpdateHost host{log};
  std::unique_ptr<FirmwareUpdate> update;
  std::string image_url;
};

TEST_F(FirmwareUpdateWin32Test, ANewerVersionIsDownloadedWholeAndHandedToTheFlasher) {
  std::string image(300 * 1024, '\0');
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 7 + i / 251);
  server.Route(kDescription, {200, Description("18", image_url)});
  server.Route(kImage, {200, image});
  Check();
  const std::string flasher = "open " + Utf16ToUtf8(install.path()) + "\\FWUpdate\\ZizedoRI.exe 0";
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer, flasher, "close"}));
  std::vector<std::uint8_t> stored;
  ASSERT_EQ(fs->ReadWhole(ImageFile().u16string(), 1 << 20, stored), FileStatus::ok);
  EXPECT_EQ(std::string(stored.begin(), stored.end()), image);
  EXPECT_TRUE(std::filesystem::exists(DescriptionFile()));
  ExpectNoLeftovers();
}

TEST_F(FirmwareUpdateWin32Test, EachCheckAsksTheServerAfresh) {
  notifier.reply = false;
  server.Route(kDescription, {200, Description("17", image_url)});
  Check();
  server.Route(kDescription, {200, Description("18", image_url)});
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest, "timer 2000", "kill timer", kNewer}));
  EXPECT_EQ(server.Requests(kDescription), 2);
}

TEST_F(FirmwareUpdateWin32Test, AServerThatIsDownOrFailsReadsAsTheLatest) {
  server.Route(kDescription, {500, Description("18", image_url)});
  Check();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));

  log.Clear();
  FirmwareUpdate offline({install.path(), u"http://127.0.0.1:" + DecimalText(test::LoopbackHttpServer::UnusedPort())},
                         *fs, xml, *downloader, notifier, host);
  offline.SetFirmwareText(u"17");
  offline.Start();
  offline.CheckForUpdate(0);
  ASSERT_TRUE(test::WaitFor([&] { return offline.CheckIdle(); }, std::chrono::seconds(60)));
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  EXPECT_FALSE(std::filesystem::exists(DescriptionFile()));
  ExpectNoLeftovers();
}

TEST_F(FirmwareUpdateWin32Test, AnAnswerSlowerThanTheTimerShowsNothingWhenItComes) {
  server.Route(kDescription, {200, Description("18", image_url), 3000});
  server.Route(kImage, {200, "IMAGE"});
  update->CheckForUpdate(0);
  // The page's timer, 2 s after the press.
  Sleep(kUpdateAnswerMs);
  EXPECT_TRUE(update->OnUpdateTimer(kUpdateTimerId, 0));
  ASSERT_TRUE(test::WaitFor([this] { return std::filesystem::exists(DescriptionFile()); }, std::chrono::seconds(30)));
  Sleep(300);
  update->Stop();
  EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
  EXPECT_EQ(server.Requests(kImage), 0);
}

TEST_F(FirmwareUpdateWin32Test, HostileDescriptionsAreRefused) {
  const std::vector<HttpReply> replies = {
      {200, "", 0, 10 * 1024 * 1024},         // far too large
      {200, "", 0, 100 * 1024, false},        // too large, and no length told in advance
      {200, "<update><firmware><current>18</current>"},  // not well formed
  };
  for (const HttpReply& reply : replies) {
    log.Clear();
    server.Route(kDescription, reply);
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kLatest}));
    EXPECT_FALSE(std::filesystem::exists(DescriptionFile()));
  }
  ExpectNoLeftovers();
}

TEST_F(FirmwareUpdateWin32Test, HostileImagesAreRefusedAndLeaveNothingBehind) {
  const std::string localFile = "C:\\windows\\win.ini";
  const std::vector<std::pair<std::string, HttpReply>> cases = {
      {localFile, {}},
      {"file:///C:/windows/win.ini", {}},
      {image_url, {200, "", 0, 64 * 1024 * 1024}},
      {image_url, {404, "<html>not found</html>"}},
  };
  for (const auto& [newfile, reply] : cases) {
    log.Clear();
    std::filesystem::remove(DescriptionFile());
    server.Route(kDescription, {200, Description("18", newfile)});
    server.Route(kImage, reply);
    Check();
    EXPECT_EQ(log.Lines(), (Lines{"timer 2000", "kill timer", kNewer, kFailed})) << newfile << " " << reply.status;
    EXPECT_FALSE(std::filesystem::exists(ImageFile())) << newfile;
  }
  // Nothing was fetched from the local paths.
  EXPECT_EQ(server.Requests(kImage), 2);
  ExpectNoLeftovers();
}

}  // namespace
}  // namespace zk40
