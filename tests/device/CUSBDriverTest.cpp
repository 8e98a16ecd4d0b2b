#include <gtest/gtest.h>

#include <thread>

#include "EmulatedMouse.h"
#include "device/CUSBDriver.h"
#include "support/ReportBytes.h"

namespace zk40 {
namespace {

using test::Feature;
using test::OfKind;

class LinkTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};

  std::vector<TransferRecord> Sent() { return mouse.Transfers(); }
};

EmulatedInterface Other(std::u16string path, std::uint16_t vid, std::uint16_t pid) {
  EmulatedInterface itf = Zk40Interface(std::move(path));
  itf.attributes.vendor_id = vid;
  itf.attributes.product_id = pid;
  return itf;
}

// --- discovery -------------------------------------------------------------

TEST_F(LinkTest, OpensTheMouseWithTheProtocolReportIdAndLength) {
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(link.ReportId(), 5);
  EXPECT_EQ(link.ReportLength(), 64u);
  const auto opens = mouse.Opens();
  ASSERT_EQ(opens.size(), 3u);
  EXPECT_EQ(opens[0].second, HidAccess::query);
  EXPECT_EQ(opens[1].second, HidAccess::read);
  EXPECT_EQ(opens[2].second, HidAccess::write);
  EXPECT_EQ(mouse.OpenHandles(), 2);  // the query handle is closed again
}

TEST_F(LinkTest, PassesOverInterfacesThatFailAnyCheck) {
  EmulatedInterface noQuery = Zk40Interface(u"no-query");
  noQuery.query_opens = false;
  EmulatedInterface noAttributes = Zk40Interface(u"no-attributes");
  noAttributes.attributes_answer = false;
  EmulatedInterface noCaps = Zk40Interface(u"no-caps");
  noCaps.caps_answer = false;
  EmulatedInterface wrongUsage = Zk40Interface(u"wrong-usage");
  wrongUsage.caps = {{0xFF01, 0x21, 5, 64}, {0xFF00, 0x22, 5, 64}};
  EmulatedInterface noWrite = Zk40Interface(u"no-write");
  noWrite.write_opens = false;
  mouse.interfaces = {noQuery,  noAttributes,           noCaps, wrongUsage, Other(u"vendor", 0x1234, 0x6D3B),
                      noWrite, Other(u"product", 0x3E7A, 0x1111), Zk40Interface(u"good"),
                      Zk40Interface(u"second")};
  ASSERT_TRUE(link.OpenDevice());
  const auto opens = mouse.Opens();
  EXPECT_EQ(opens.back().first, u"good");
  EXPECT_EQ(opens.back().second, HidAccess::write);
  EXPECT_EQ(mouse.OpenHandles(), 2);  // the read handle of "no-write" was closed again
}

TEST_F(LinkTest, TakesTheFirstMatchingCapabilityOfAnInterface) {
  mouse.interfaces[0].caps = {{0x0001, 0x22, 1, 8}, {0xFF01, 0x22, 7, 32}, {0xFF01, 0x22, 9, 64}};
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(link.ReportId(), 7);
  EXPECT_EQ(link.ReportLength(), 32u);
}

TEST_F(LinkTest, RefusesADeviceWhoseReportLengthExceedsTheBuffers) {
  mouse.interfaces[0].caps = {{0xFF01, 0x22, 5, 255}};
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(mouse.OpenHandles(), 0);

  mouse.interfaces[0].caps = {{0xFF01, 0x22, 5, 254}};
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_TRUE(link.SetDpiSelect(2));
  EXPECT_EQ(Sent().back().bytes.size(), 255u);
  EXPECT_TRUE(Sent().back().accepted);
}

TEST_F(LinkTest, ReopeningClosesFirstAndEndsClosedWhenTheMouseHasGone) {
  ASSERT_TRUE(link.OpenDevice());
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(mouse.OpenHandles(), 2);
  mouse.interfaces.clear();
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(mouse.OpenHandles(), 0);
  EXPECT_FALSE(link.SetDpiSelect(1));
  EXPECT_EQ(link.GetFirmwareVersion(), std::nullopt);
  EXPECT_TRUE(Sent().empty());
}

// --- commands --------------------------------------------------------------

class CommandTest : public LinkTest {
 protected:
  void SetUp() override { ASSERT_TRUE(link.OpenDevice()); }
  std::vector<std::uint8_t> LastFeature() { return OfKind(Sent(), TransferKind::set_feature).back().bytes; }
};

TEST_F(CommandTest, SingleReportCommandsAsSent) {
  EXPECT_TRUE(link.SetReportInterval(3));
  EXPECT_EQ(LastFeature(), Feature({0x01, 0x02}));
  for (int offered : {1, 2, 4, 8}) {
    EXPECT_TRUE(link.SetReportInterval(offered));
    EXPECT_EQ(LastFeature(), Feature({0x01, static_cast<std::uint8_t>(offered)}));
  }
  EXPECT_TRUE(link.SetReportInterval(0));
  EXPECT_EQ(LastFeature(), Feature({0x01, 0x02}));

  EXPECT_TRUE(link.SetLedColor(0x00332211));  // red 0x11, green 0x22, blue 0x33: sent green, red, blue
  EXPECT_EQ(LastFeature(), Feature({0x0C, 0x01, 0x22, 0x11, 0x33}));
  EXPECT_TRUE(link.SetLedEffect(4, 10, 2));
  EXPECT_EQ(LastFeature(), Feature({0x0D, 0x01, 4, 10, 2}));
  EXPECT_TRUE(link.SetDpiSelect(3));
  EXPECT_EQ(LastFeature(), Feature({0x0B, 0x01, 3}));

  EXPECT_TRUE(link.SetTouchSensing(1, 4));
  EXPECT_EQ(LastFeature(), Feature({0x03, 0xA0}));
  EXPECT_TRUE(link.SetTouchSensing(1, 5));  // lighting off: sensing off as well
  EXPECT_EQ(LastFeature(), Feature({0x03, 0xB0}));
  EXPECT_TRUE(link.SetTouchSensing(0, 1));
  EXPECT_EQ(LastFeature(), Feature({0x03, 0xB0}));
  EXPECT_EQ(clock.NowMs(), 0u);  // none of these waits
}

TEST_F(CommandTest, FirmwareVersionIsReadBack50msAfterTheQuery) {
  EXPECT_EQ(link.GetFirmwareVersion(), 17);  // reply 80 01 07
  const auto log = Sent();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].bytes, Feature({0x80}));
  EXPECT_EQ(log[1].kind, TransferKind::get_feature);
  EXPECT_EQ(log[1].time_ms, 50u);

  mouse.SetFirmwareVersion(2, 13);
  EXPECT_EQ(link.GetFirmwareVersion(), 33);
}

TEST_F(CommandTest, FirmwareVersionFailsWhenTheMouseStopsAnsweringBeforeTheReply) {
  mouse.UnplugAfter(1);
  EXPECT_EQ(link.GetFirmwareVersion(), std::nullopt);
}

TEST_F(CommandTest, DpiTableSendsOneDataReportBetweenTwoWaits) {
  const std::array<std::uint8_t, 16> block = {2, 4, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80,
                                              2, 4, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  ASSERT_TRUE(link.SetDpiTable(block));
  const auto log = Sent();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].bytes, Feature({0x11, 0x01, 0x07, 0x10, 0x00}));
  std::vector<std::uint8_t> data(33, 0);
  data[0] = 5;
  std::copy(block.begin(), block.end(), data.begin() + 1);
  EXPECT_EQ(log[1].bytes, data);
  EXPECT_EQ(log[1].time_ms, 50u);
  EXPECT_EQ(clock.NowMs(), 100u);
  ASSERT_TRUE(mouse.State().dpi_block);
  EXPECT_EQ((*mouse.State().dpi_block)[1], 4);
}

TEST_F(CommandTest, DpiTableWhoseDataReportFailsIsAFailure) {
  const std::array<std::uint8_t, 16> block{};
  mouse.UnplugAfter(1);
  EXPECT_FALSE(link.SetDpiTable(block));
  EXPECT_FALSE(Sent().back().accepted);
}

TEST_F(CommandTest, KeyMatrixGoesAsTwoBlocksAfter100ms) {
  std::array<std::uint8_t, 64> matrix{};
  matrix[0] = 0x01;
  matrix[63] = 0x77;
  ASSERT_TRUE(link.WriteKeyMatrix(matrix));
  const auto log = Sent();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].bytes, Feature({0x12, 0x01, 0x00, 0x40, 0x00}));
  EXPECT_EQ(log[1].time_ms, 150u);  // 100 ms, then 50 ms before each block
  EXPECT_EQ(log[2].time_ms, 250u);
  EXPECT_EQ(log[2].bytes[32], 0x77);
  EXPECT_EQ(clock.NowMs(), 300u);
  EXPECT_EQ((*mouse.State().key_matrix)[63], 0x77);
}

TEST_F(CommandTest, ARejectedCommandSendsNoData) {
  mouse.RejectFeatureStartingWith({0x12});
  const std::array<std::uint8_t, 64> matrix{};
  EXPECT_FALSE(link.WriteKeyMatrix(matrix));
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(clock.NowMs(), 0u);
  EXPECT_TRUE(link.WriteKeyMatrix(matrix));  // only the first is rejected
}

TEST_F(CommandTest, WriteBlocksGoesOnAfterAFailedBlockButReportsTheFailure) {
  const std::array<std::uint8_t, 96> data = {1, 2, 3};
  EXPECT_TRUE(link.WriteBlocks(std::span(data).first(0)));
  EXPECT_FALSE(link.WriteBlocks(std::span(data).first(33)));
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(clock.NowMs(), 0u);

  mouse.UnplugAfter(1);
  EXPECT_FALSE(link.WriteBlocks(data));
  const auto log = Sent();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_TRUE(log[0].accepted);
  EXPECT_FALSE(log[1].accepted);
  EXPECT_FALSE(log[2].accepted);
  EXPECT_EQ(clock.NowMs(), 300u);
}

TEST_F(CommandTest, PendingWritesAreWaitedForAtMost1500ms) {
  const std::array<std::uint8_t, 64> data{};
  mouse.AnswerWritesPending(30);
  EXPECT_TRUE(link.WriteBlocks(data));
  EXPECT_EQ(clock.NowMs(), 2 * (100u + 30u));

  clock.Set(0);
  mouse.AnswerWritesPending(std::nullopt);  // never completes
  (void)link.WriteBlocks(data);
  EXPECT_EQ(clock.NowMs(), 2 * (100u + 1500u));
}

// A write still pending after its wait is cancelled: it never reached the
// mouse, and a key matrix or DPI table sent so must not pass as written.
TEST_F(CommandTest, AWriteCancelledAfterItsWaitFailsItsTransfer) {
  mouse.AnswerWritesPending(std::nullopt);
  EXPECT_FALSE(link.WriteKeyMatrix(std::array<std::uint8_t, 64>{}));
  EXPECT_FALSE(link.SetDpiTable(std::array<std::uint8_t, 16>{}));
  mouse.AnswerWritesPending(1500);  // completes just in time
  EXPECT_TRUE(link.WriteKeyMatrix(std::array<std::uint8_t, 64>{}));
}

TEST_F(CommandTest, MacroBlocksGoToSlotsUpToSevenOnly) {
  std::array<std::uint8_t, 512> block{};
  block[0] = 0x00, block[1] = 0x01, block[511] = 0x5A;
  EXPECT_FALSE(link.WriteMacro(8, block));
  EXPECT_FALSE(link.WriteMacro(-1, block));
  EXPECT_TRUE(Sent().empty());

  EXPECT_TRUE(link.WriteMacro(7, block));
  const auto log = Sent();
  ASSERT_EQ(log.size(), 17u);
  EXPECT_EQ(log[0].bytes, Feature({0x13, 0x01, 0x07, 0x00, 0x02}));
  EXPECT_EQ(clock.NowMs(), 1700u);  // 100 ms + 16 blocks of 100 ms
  EXPECT_EQ(mouse.State().macros.at(7), block);
}

// Virtual time whose sleeps also give the other thread a moment, so that two
// threads really interleave at every wait of the protocol.
class InterleavingClock final : public Clock, public Sleeper {
 public:
  std::uint64_t NowMs() override { return time_.NowMs(); }
  void SleepMs(std::uint32_t ms) override {
    time_.SleepMs(ms);
    std::this_thread::sleep_for(std::chrono::microseconds(20));
  }

 private:
  VirtualClock time_;
};

// The version query of the UI thread and the upload worker share the link;
// each exchange must stay whole. The query does not wait for the upload's
// exchanges (it has no answer while one runs); the upload waits for the query.
TEST(LinkSharing, VersionQueriesDuringAnUploadNeverSplitAnExchange) {
  InterleavingClock clock;
  EmulatedMouse mouse{clock, clock};
  CUSBDriver link{mouse, clock};
  ASSERT_TRUE(link.OpenDevice());
  const std::array<std::uint8_t, 512> macro{};
  int uploadFailures = 0;
  std::thread upload([&] {
    const std::array<std::uint8_t, 64> matrix{};
    for (int i = 0; i < 10; ++i) {
      uploadFailures += link.WriteKeyMatrix(matrix) ? 0 : 1;
      uploadFailures += link.WriteMacro(1, macro) ? 0 : 1;
    }
  });
  int wrong = 0;
  for (int i = 0; i < 100; ++i) {
    const std::optional<int> version = link.GetFirmwareVersion();
    if (version && *version != 17) ++wrong;
  }
  upload.join();
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(uploadFailures, 0);
  EXPECT_EQ(link.GetFirmwareVersion(), 17);

  // Each command report must be followed by its own reply or data blocks.
  const auto log = mouse.Transfers();
  int split = 0;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i].kind != TransferKind::set_feature) continue;
    const std::size_t follow = log[i].bytes[1] == 0x80 ? 1 : log[i].bytes[1] == 0x12 ? 2 : 16;
    ASSERT_LE(i + follow, log.size() - 1);
    for (std::size_t k = 1; k <= follow; ++k) split += log[i + k].kind == TransferKind::set_feature;
    i += follow;
  }
  EXPECT_EQ(split, 0);
}

}  // namespace
}  // namespace zk40
