// The emulated mouse is the other side of every protocol test, so its own
// checks of what it receives are tested here.
#include <gtest/gtest.h>

#include "EmulatedMouse.h"
#include "support/ReportBytes.h"

namespace zk40 {
namespace {

using test::Feature;

class EmulatedMouseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::u16string> paths;
    ASSERT_TRUE(mouse.EnumerateInterfaces(paths));
    ASSERT_EQ(paths.size(), 1u);
    read = mouse.Open(paths[0], HidAccess::read);
    write = mouse.Open(paths[0], HidAccess::write);
    ASSERT_TRUE(read && write);
  }
  std::vector<std::uint8_t> Output(std::initializer_list<std::uint8_t> data) {
    std::vector<std::uint8_t> report(33, 0);
    report[0] = 5;
    std::copy(data.begin(), data.end(), report.begin() + 1);
    return report;
  }

  VirtualClock clock;
  EmulatedMouse mouse{clock, clock};
  std::unique_ptr<HidDevice> read, write;
};

TEST_F(EmulatedMouseTest, PresentsTheZk40Interface) {
  auto query = mouse.Open(mouse.interfaces[0].path, HidAccess::query);
  HidAttributes attributes;
  ASSERT_TRUE(query->GetAttributes(attributes));
  EXPECT_EQ(attributes.vendor_id, 0x3E7A);
  EXPECT_EQ(attributes.product_id, 0x6D3B);
  std::vector<HidValueCaps> caps;
  ASSERT_TRUE(query->GetFeatureValueCaps(caps));
  ASSERT_EQ(caps.size(), 1u);
  EXPECT_EQ(caps[0].usage_page, 0xFF01);
  EXPECT_EQ(caps[0].usage, 0x22);
  EXPECT_EQ(caps[0].report_id, 5);
  EXPECT_EQ(caps[0].report_count, 64);
  EXPECT_FALSE(query->SetFeature(Feature({0x80})));  // a query handle moves no data
  EXPECT_EQ(mouse.OpenHandles(), 3);
  query.reset();
  EXPECT_EQ(mouse.OpenHandles(), 2);
}

TEST_F(EmulatedMouseTest, TakesOnlyWellFormedReportsOnTheRightHandle) {
  std::vector<std::uint8_t> shortReport = Feature({0x01, 0x02});
  shortReport.pop_back();
  std::vector<std::uint8_t> otherId = Feature({0x01, 0x02});
  otherId[0] = 4;
  EXPECT_FALSE(write->SetFeature(shortReport));
  EXPECT_FALSE(write->SetFeature(otherId));
  EXPECT_FALSE(read->SetFeature(Feature({0x01, 0x02})));
  std::vector<std::uint8_t> reply = Feature({});
  EXPECT_FALSE(write->GetFeature(reply));
  EXPECT_EQ(write->WriteOutput(std::vector<std::uint8_t>(32, 5)), HidWriteStatus::failed);
  EXPECT_FALSE(mouse.State().report_interval);
  EXPECT_EQ(mouse.Transfers().size(), 3u);  // the handle misuses never reached the mouse

  EXPECT_TRUE(write->SetFeature(Feature({0x80})));
  EXPECT_TRUE(read->GetFeature(reply));
  EXPECT_EQ(reply[1], 0x80);
  EXPECT_EQ(reply[2], 1);
  EXPECT_EQ(reply[3], 7);
}

TEST_F(EmulatedMouseTest, DataCountsOnlyWhenAllItsBlocksFollowTheirCommand) {
  ASSERT_TRUE(write->SetFeature(Feature({0x12, 0x01, 0x00, 0x40, 0x00})));
  write->WriteOutput(Output({0x01}));
  ASSERT_TRUE(write->SetFeature(Feature({0x0B, 0x01, 0x02})));  // interrupts the key matrix
  write->WriteOutput(Output({0x02}));                          // a block without a command
  EXPECT_FALSE(mouse.State().key_matrix);
  EXPECT_EQ(mouse.State().dpi_select, 2);

  ASSERT_TRUE(write->SetFeature(Feature({0x12, 0x01, 0x00, 0x40, 0x00})));
  write->WriteOutput(Output({0x01}));
  write->WriteOutput(Output({0x04}));
  ASSERT_TRUE(mouse.State().key_matrix);
  EXPECT_EQ((*mouse.State().key_matrix)[32], 0x04);
}

TEST_F(EmulatedMouseTest, FaultsOnRequest) {
  mouse.RejectFeatureStartingWith({0x0C, 0x01});
  EXPECT_TRUE(write->SetFeature(Feature({0x0D, 0x01})));
  EXPECT_FALSE(write->SetFeature(Feature({0x0C, 0x01, 1, 2, 3})));
  EXPECT_TRUE(write->SetFeature(Feature({0x0C, 0x01, 1, 2, 3})));  // the first one only

  mouse.AnswerWritesPending(40);
  EXPECT_EQ(write->WriteOutput(Output({})), HidWriteStatus::pending);
  EXPECT_TRUE(write->WaitForPendingWrite(1500));
  EXPECT_EQ(clock.NowMs(), 40u);

  mouse.UnplugAfter(4);  // four transfers so far: the next one fails
  EXPECT_FALSE(write->SetFeature(Feature({0x01, 0x01})));
  EXPECT_EQ(write->WriteOutput(Output({})), HidWriteStatus::failed);
  const auto log = mouse.Transfers();
  EXPECT_FALSE(log.back().accepted);
  EXPECT_EQ(log.size(), 6u);
}

TEST_F(EmulatedMouseTest, DescribesWhatTheMouseHolds) {
  write->SetFeature(Feature({0x12, 0x01, 0x00, 0x40, 0x00}));
  write->WriteOutput(Output({0x00, 0x04, 0x3D, 0x00, 0x09, 0x00, 0x01, 0x05, 0x03, 0x00, 0xCD, 0x00,
                             0x07, 0x00, 0x00, 0x00}));
  write->WriteOutput(Output({}));
  write->SetFeature(Feature({0x13, 0x01, 0x01, 0x00, 0x02}));
  for (int b = 0; b < 16; ++b) {
    write->WriteOutput(b == 0 ? Output({0x00, 0x02, 0x06, 0x04, 0x81, 0x04, 0x00, 0x01, 0x00, 0x41, 0x01, 0xF0})
                              : Output({}));
  }
  write->SetFeature(Feature({0x11, 0x01, 0x07, 0x10, 0x00}));
  write->WriteOutput(Output({0x02, 0x28, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x02, 0x28, 0x80, 0x80, 0x80, 0x80,
                             0x80, 0x80}));
  write->SetFeature(Feature({0x0C, 0x01, 0x22, 0x11, 0x33}));
  write->SetFeature(Feature({0x03, 0xB0}));

  EXPECT_EQ(mouse.DescribeState(),
            "firmware 1.7\n"
            "key matrix\n"
            "  slot 0   00 04 3d 00  key Alt+F4\n"
            "  slot 1   09 00 01 05  macro slot 1, 5 units\n"
            "  slot 2   03 00 cd 00  consumer usage 0x00cd\n"
            "  slot 3   07 00 00 00  disabled\n"
            "dpi stages 500 4000 - - - - - -\n"
            "dpi selector not written\n"
            "colour red 17 green 34 blue 51\n"
            "effect not written\n"
            "touch sensing off\n"
            "report interval not written\n"
            "macro slot 1, loop 2, 5 units: press A, 50 ms, release A, 1300 ms\n");
}

}  // namespace
}  // namespace zk40
