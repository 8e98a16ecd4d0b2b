// The hidraw layer against scripted system calls: which node the link takes,
// what each ioctl and write() is given, and how failures of the calls reach
// the link. Together with the emulated hidraw that zk40ctl's apply runs on,
// this is what stands in for a real mouse on machines without uhid.
#include <gtest/gtest.h>

#include <map>

#include "EmulatedHidraw.h"
#include "device/CUSBDriver.h"
#include "platform/HidrawSystem.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One hidraw node as the script presents it.
struct ScriptedNode {
  HidrawDeviceInfo info{3, 0x3E7A, 0x6D3B};
  Bytes descriptor;
  HidrawOpenError open_error = HidrawOpenError::none;  // anything else: the open fails so
  bool info_answers = true;
  bool descriptor_answers = true;
};

// The system calls, answered from a script and written down in order.
class ScriptedHidraw final : public HidrawIo {
 public:
  std::map<std::string, ScriptedNode> nodes;  // listed in map order
  std::vector<std::string> calls;
  std::vector<Bytes> features_set, writes;
  Bytes feature_reply;            // what HIDIOCGFEATURE fills in
  long set_feature_result = -2;   // -2: the whole report went
  long write_result = -2;
  int open_fds = 0;

  std::vector<std::string> ListNodes() override {
    std::vector<std::string> list;
    for (const auto& [name, node] : nodes) list.push_back(name);
    return list;
  }
  int Open(const std::string& node, HidrawOpenMode mode, HidrawOpenError& error) override {
    calls.push_back("open " + node + (mode == HidrawOpenMode::write_only ? " w" : " r"));
    const auto it = nodes.find(node);
    error = it == nodes.end() ? HidrawOpenError::not_found : it->second.open_error;
    if (error != HidrawOpenError::none) return -1;
    const int fd = next_fd_++;
    open_[fd] = node;
    ++open_fds;
    return fd;
  }
  void Close(int fd) override {
    calls.push_back("close " + open_.at(fd));
    open_.erase(fd);
    --open_fds;
  }
  bool GetDeviceInfo(int fd, HidrawDeviceInfo& out) override {
    const ScriptedNode& node = Node(fd);
    out = node.info;
    return node.info_answers;
  }
  bool GetReportDescriptor(int fd, Bytes& out) override {
    const ScriptedNode& node = Node(fd);
    out = node.descriptor;
    return node.descriptor_answers;
  }
  long SetFeature(int fd, std::span<const std::uint8_t> report) override {
    calls.push_back("set-feature " + open_.at(fd));
    features_set.emplace_back(report.begin(), report.end());
    return set_feature_result == -2 ? static_cast<long>(report.size()) : set_feature_result;
  }
  long GetFeature(int fd, std::span<std::uint8_t> report) override {
    calls.push_back("get-feature " + open_.at(fd) + " " + std::to_string(report.size()) + " id " +
                    std::to_string(report[0]));
    std::copy_n(feature_reply.begin(), std::min(feature_reply.size(), report.size()), report.begin());
    return static_cast<long>(std::min(feature_reply.size(), report.size()));
  }
  long Write(int fd, std::span<const std::uint8_t> report) override {
    calls.push_back("write " + open_.at(fd));
    writes.emplace_back(report.begin(), report.end());
    return write_result == -2 ? static_cast<long>(report.size()) : write_result;
  }

 private:
  const ScriptedNode& Node(int fd) const { return nodes.at(open_.at(fd)); }
  std::map<int, std::string> open_;
  int next_fd_ = 3;
};

// A plain keyboard: no vendor feature at all.
const Bytes kKeyboardDescriptor = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,
                                   0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xC0};

Bytes Zk40Descriptor() {
  const auto d = Zk40ReportDescriptor();
  return Bytes(d.begin(), d.end());
}

class HidrawSystemTest : public ::testing::Test {
 protected:
  HidrawSystemTest() {
    // hidraw0: another maker's keyboard; hidraw1: the ZK40's pointer
    // interface; hidraw2: a node the user may not open; hidraw3: the ZK40's
    // vendor interface.
    io.nodes["/dev/hidraw0"] = {{3, 0x046D, 0xC31C}, Zk40Descriptor()};
    io.nodes["/dev/hidraw1"] = {{3, 0x3E7A, 0x6D3B}, kKeyboardDescriptor};
    io.nodes["/dev/hidraw2"].open_error = HidrawOpenError::access_denied;
    io.nodes["/dev/hidraw3"].descriptor = Zk40Descriptor();
  }

  ScriptedHidraw io;
  HidrawSystem hid{io};
  VirtualClock clock;
  CUSBDriver link{hid, clock};
};

TEST_F(HidrawSystemTest, LinkTakesTheZk40NodeThatCarriesTheProtocol) {
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(link.ReportId(), 5);
  EXPECT_EQ(link.ReportLength(), 64u);
  EXPECT_TRUE(hid.AccessWasDenied());
  EXPECT_EQ(io.calls, (std::vector<std::string>{
                          "open /dev/hidraw0 r", "close /dev/hidraw0",  // another vendor
                          "open /dev/hidraw1 r", "close /dev/hidraw1",  // no protocol report
                          "open /dev/hidraw2 r",                        // refused
                          "open /dev/hidraw3 r", "close /dev/hidraw3",  // the query
                          "open /dev/hidraw3 r", "open /dev/hidraw3 w",
                      }));
  link.CloseDevice();
  EXPECT_EQ(io.open_fds, 0);
}

TEST_F(HidrawSystemTest, NodesWhoseDescriptorCannotBeHadOrReadArePassedOver) {
  io.nodes["/dev/hidraw3"].descriptor_answers = false;
  io.nodes["/dev/hidraw4"].descriptor = {0x06, 0x01, 0xFF, 0x09, 0x22, 0xA1, 0x01, 0x85};  // cut short
  io.nodes["/dev/hidraw5"].info_answers = false;
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_EQ(io.open_fds, 0);

  io.nodes["/dev/hidraw6"].descriptor = Zk40Descriptor();
  EXPECT_TRUE(link.OpenDevice());
}

TEST_F(HidrawSystemTest, VersionQueryIsOneFeatureSetAndOneFeatureRead) {
  ASSERT_TRUE(link.OpenDevice());
  io.calls.clear();
  io.feature_reply = {5, 0x80, 1, 7};
  const std::optional<int> version = link.GetFirmwareVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(*version, 17);
  ASSERT_EQ(io.features_set.size(), 1u);
  Bytes query(65, 0);
  query[0] = 5;
  query[1] = 0x80;
  EXPECT_EQ(io.features_set[0], query);
  // Set on the write node, read back on the read node, report id first.
  EXPECT_EQ(io.calls, (std::vector<std::string>{"set-feature /dev/hidraw3", "get-feature /dev/hidraw3 65 id 5"}));
}

TEST_F(HidrawSystemTest, DataBlocksAreWrittenAsOutputReports) {
  ASSERT_TRUE(link.OpenDevice());
  Bytes matrix(64);
  for (std::size_t i = 0; i < matrix.size(); ++i) matrix[i] = static_cast<std::uint8_t>(i);
  ASSERT_TRUE(link.WriteKeyMatrix(KeyMatrixView(matrix.data(), kKeyMatrixSize)));
  ASSERT_EQ(io.writes.size(), 2u);
  for (std::size_t b = 0; b < 2; ++b) {
    ASSERT_EQ(io.writes[b].size(), 33u);
    EXPECT_EQ(io.writes[b][0], 5);
    EXPECT_TRUE(std::equal(io.writes[b].begin() + 1, io.writes[b].end(), matrix.begin() + 32 * b));
  }
}

TEST_F(HidrawSystemTest, FailedOrShortTransfersFailTheCommand) {
  ASSERT_TRUE(link.OpenDevice());
  Bytes matrix(64);

  io.set_feature_result = -1;
  EXPECT_FALSE(link.SetLedColor(0x00FF00));
  io.set_feature_result = 30;  // part of the report
  EXPECT_FALSE(link.SetLedColor(0x00FF00));
  io.set_feature_result = -2;

  io.write_result = 32;  // the report id went, one data byte did not
  EXPECT_FALSE(link.WriteKeyMatrix(KeyMatrixView(matrix.data(), kKeyMatrixSize)));
  io.write_result = -1;
  EXPECT_FALSE(link.WriteKeyMatrix(KeyMatrixView(matrix.data(), kKeyMatrixSize)));

  io.feature_reply = {};  // nothing read back
  EXPECT_FALSE(link.GetFirmwareVersion().has_value());
}

TEST(EmulatedHidrawTest, PresentsTheZk40AsTwoNodesOfWhichTheVendorOneCarriesTheProtocol) {
  VirtualClock clock;
  EmulatedMouse mouse(clock, clock);
  EmulatedHidraw nodes(mouse);
  HidrawSystem hid(nodes);
  CUSBDriver link(hid, clock);
  ASSERT_TRUE(link.OpenDevice());
  const std::optional<int> version = link.GetFirmwareVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(*version, 17);
  EXPECT_EQ(mouse.OpenHandles(), 2);  // the query's handle is closed again
}

}  // namespace
}  // namespace zk40
