// The report descriptor reader: what the link needs from it (collections,
// report ids, sizes and counts, the feature values) on the virtual ZK40's own
// descriptor and on a composite one of the kind a gaming mouse's second USB
// interface has; and descriptors that are cut short or do not balance.
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "EmulatedHidraw.h"
#include "platform/HidReportDescriptor.h"

namespace zk40 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Capabilities as (usage page, usage, report id, report count).
using Caps = std::tuple<int, int, int, int>;
std::vector<Caps> Listed(const std::vector<HidValueCaps>& caps) {
  std::vector<Caps> listed;
  for (const HidValueCaps& c : caps) listed.emplace_back(c.usage_page, c.usage, c.report_id, c.report_count);
  return listed;
}

HidReportDescriptor Parsed(const Bytes& bytes) {
  HidDescriptorParse parse = ParseHidReportDescriptor(bytes);
  EXPECT_TRUE(parse.descriptor) << parse.error.reason << " at " << parse.error.offset;
  return parse.descriptor.value_or(HidReportDescriptor{});
}

TEST(HidReportDescriptorTest, TheVirtualZk40CarriesTheProtocolInItsVendorCollection) {
  const auto source = Zk40ReportDescriptor();
  const HidReportDescriptor d = Parsed(Bytes(source.begin(), source.end()));

  ASSERT_EQ(d.collections.size(), 1u);
  const HidCollection* vendor = d.FindCollection({0xFF01, 0x22});
  ASSERT_NE(vendor, nullptr);
  ASSERT_EQ(vendor->items.size(), 2u);
  EXPECT_EQ(vendor->items[0].type, HidReportType::feature);
  EXPECT_EQ(vendor->items[1].type, HidReportType::output);
  EXPECT_TRUE(d.numbered_reports);
  // A command report is 64 bytes after its id, a data block 32.
  EXPECT_EQ(d.ReportBytes(HidReportType::feature, 5), 65u);
  EXPECT_EQ(d.ReportBytes(HidReportType::output, 5), 33u);
  EXPECT_EQ(d.ReportBytes(HidReportType::input, 5), 0u);
  EXPECT_EQ(Listed(d.FeatureValueCaps()), (std::vector<Caps>{{0xFF01, 0x22, 5, 64}}));
}

// Keyboard keys, consumer keys and the vendor reports on one interface, as a
// gaming mouse presents its second USB interface.
const Bytes kComposite = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // generic desktop keyboard
    0x85, 0x01,                          //   report id 1
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,  //   modifier keys E0..E7
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,  // 8 one-bit fields
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                          // one constant byte
    0x19, 0x00, 0x29, 0x65, 0x26, 0xFF, 0x00, 0x95, 0x06, 0x81, 0x00,  // six key selectors
    0x85, 0x06, 0x95, 0x01, 0x75, 0x08, 0x09, 0x01, 0xB1, 0x02,  // a feature byte, under the keyboard page
    0xC0,
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01,  // consumer control
    0x85, 0x02, 0x19, 0x00, 0x2A, 0x3C, 0x02, 0x15, 0x00, 0x26, 0x3C, 0x02, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00,
    0xC0,
    0xFE, 0x02, 0x10, 0xAA, 0xBB,              // a long item, passed over
    0x06, 0x01, 0xFF, 0x09, 0x22, 0xA1, 0x01,  // the vendor collection
    0x85, 0x05, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00,
    0xA4,                                      //   push
    0xA1, 0x02,                                //   a nested logical collection
    0x09, 0x22, 0x95, 0x40, 0xB1, 0x02,        //     64 feature bytes
    0x0B, 0x30, 0x00, 0x01, 0x00,              //     usage 0x30 of page 1, named in four bytes
    0x09, 0x31, 0x09, 0x32, 0x95, 0x04, 0xB1, 0x02,  // three usages for four fields
    0x85, 0x09, 0x75, 0x10,                    //     report id 9, size 16: no item uses them
    0xC0,
    0xB4,                                      //   pop: report id 5 and size 8 again
    0x09, 0x22, 0x95, 0x20, 0x91, 0x02,        //   32 output bytes
    0x09, 0x23, 0x75, 0x01, 0x95, 0x08, 0xB1, 0x02,  // one-bit feature fields: switches, not values
    0x09, 0x24, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x03,  // constant feature bytes: padding
    0xC0,
};

TEST(HidReportDescriptorTest, CompositeInterfaceListsEachTopLevelCollectionAndItsReports) {
  const HidReportDescriptor d = Parsed(kComposite);

  ASSERT_EQ(d.collections.size(), 3u);
  EXPECT_EQ(d.collections[0].usage.page, 0x01);
  EXPECT_EQ(d.collections[0].usage.id, 0x06);
  EXPECT_EQ(d.collections[1].usage.page, 0x0C);
  EXPECT_EQ(d.collections[2].usage.page, 0xFF01);
  EXPECT_EQ(d.collections[2].usage.id, 0x22);
  // Nested collections belong to their top-level one.
  EXPECT_EQ(d.collections[2].items.size(), 5u);

  EXPECT_EQ(d.ReportBytes(HidReportType::input, 1), 1u + 1 + 1 + 6);
  EXPECT_EQ(d.ReportBytes(HidReportType::input, 2), 1u + 2);
  EXPECT_EQ(d.ReportBytes(HidReportType::feature, 5), 1u + 64 + 4 + 1 + 2);
  EXPECT_EQ(d.ReportBytes(HidReportType::output, 5), 1u + 32);

  const HidMainItem& modifiers = d.collections[0].items[0];
  EXPECT_TRUE(modifiers.usage_range);
  ASSERT_EQ(modifiers.usages.size(), 2u);
  EXPECT_EQ(modifiers.usages[0].id, 0xE0);
  EXPECT_EQ(modifiers.usages[1].id, 0xE7);
  EXPECT_TRUE(d.collections[0].items[1].constant);
  EXPECT_FALSE(d.collections[0].items[2].variable);
}

TEST(HidReportDescriptorTest, FeatureValuesAreTheDataFeaturesWiderThanABit) {
  const HidReportDescriptor d = Parsed(kComposite);
  EXPECT_EQ(Listed(d.FeatureValueCaps()), (std::vector<Caps>{
                                      {0x07, 0x01, 6, 1},     // the keyboard's feature byte, its own page
                                      {0xFF01, 0x22, 5, 64},  // the protocol
                                      {0x01, 0x30, 5, 1},     // a four-byte usage carries its page
                                      {0xFF01, 0x31, 5, 1},
                                      {0xFF01, 0x32, 5, 2},   // the last usage takes the fields left
                                  }));
}

TEST(HidReportDescriptorTest, WithoutReportIdsAReportHasNoIdByte) {
  const HidReportDescriptor d = Parsed({0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x07,
                                        0x09, 0x01, 0xB1, 0x02, 0xC0});
  EXPECT_FALSE(d.numbered_reports);
  EXPECT_EQ(d.ReportBytes(HidReportType::feature, 0), 7u);
  EXPECT_EQ(Listed(d.FeatureValueCaps()), (std::vector<Caps>{{0xFF00, 0x01, 0, 7}}));
}

TEST(HidReportDescriptorTest, AnEmptyDescriptorHasNoCollections) {
  const HidDescriptorParse parse = ParseHidReportDescriptor({});
  ASSERT_TRUE(parse.descriptor);
  EXPECT_TRUE(parse.descriptor->collections.empty());
  EXPECT_TRUE(parse.descriptor->FeatureValueCaps().empty());
}

struct BadDescriptor {
  const char* what;
  Bytes bytes;
  std::size_t offset;
};

class HidReportDescriptorRefusalTest : public ::testing::TestWithParam<BadDescriptor> {};

TEST_P(HidReportDescriptorRefusalTest, IsRefusedAtTheItemAtFault) {
  const HidDescriptorParse parse = ParseHidReportDescriptor(GetParam().bytes);
  EXPECT_FALSE(parse.descriptor);
  EXPECT_EQ(parse.error.offset, GetParam().offset) << parse.error.reason;
  EXPECT_FALSE(parse.error.reason.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, HidReportDescriptorRefusalTest,
    ::testing::Values(
        BadDescriptor{"item cut short", {0x06, 0x01, 0xFF, 0x0A, 0x22}, 3},
        BadDescriptor{"four-byte item cut short", {0xA1, 0x01, 0x27, 0xFF, 0xFF}, 2},
        BadDescriptor{"long item cut short", {0xFE, 0x05, 0x10, 0x00}, 0},
        BadDescriptor{"end without collection", {0x09, 0x01, 0xC0}, 2},
        BadDescriptor{"collection never closed", {0x09, 0x01, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0xC0}, 9},
        BadDescriptor{"pop without push", {0xA1, 0x01, 0xB4, 0xC0}, 2},
        BadDescriptor{"report id 0", {0xA1, 0x01, 0x85, 0x00, 0xC0}, 2},
        BadDescriptor{"report id above 255", {0xA1, 0x01, 0x86, 0x00, 0x01, 0xC0}, 2}),
    [](const ::testing::TestParamInfo<BadDescriptor>& p) {
      std::string name = p.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(HidReportDescriptorTest, DeepNestingIsRefusedNotFollowed) {
  Bytes bytes;
  for (int i = 0; i < 100; ++i) bytes.insert(bytes.end(), {0xA1, 0x00});
  for (int i = 0; i < 100; ++i) bytes.push_back(0xC0);
  EXPECT_FALSE(ParseHidReportDescriptor(bytes).descriptor);
}

}  // namespace
}  // namespace zk40
