#pragma once
// A HID report descriptor read far enough to find a device's top-level
// collections, their usages, and the report id, size and count of every
// input, output and feature item in them. Where Windows hands out parsed
// capabilities, Linux's hidraw hands out the raw descriptor; this turns the
// one into what the device link looks for.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/HidSystem.h"

namespace zk40 {

enum class HidReportType { input, output, feature };

struct HidUsage {
  std::uint16_t page = 0;
  std::uint16_t id = 0;
};

// One input, output or feature item: report_count fields of report_size bits.
struct HidMainItem {
  HidReportType type = HidReportType::input;
  std::uint8_t report_id = 0;  // 0: the device numbers no reports
  std::uint32_t report_size = 0;
  std::uint32_t report_count = 0;
  bool constant = false;  // padding, not data
  bool variable = false;  // one field per usage, rather than an array of selectors
  // The usages named for the item, in order, a usage range as its minimum and
  // maximum; the last one applies to every field that has none of its own.
  std::vector<HidUsage> usages;
  bool usage_range = false;  // usages holds the minimum and the maximum
};

struct HidCollection {
  HidUsage usage;
  std::vector<HidMainItem> items;  // of this collection and every one nested in it
};

struct HidReportDescriptor {
  std::vector<HidCollection> collections;  // the top-level ones, in order
  bool numbered_reports = false;           // a report id is named: it leads every report

  // The size in bytes of one report of that type and id as it travels, the
  // report id byte included when the device numbers its reports; 0 when the
  // descriptor has no such report.
  std::size_t ReportBytes(HidReportType type, std::uint8_t reportId) const;
  // The first top-level collection with that usage, if any.
  const HidCollection* FindCollection(HidUsage usage) const;
  // The value capabilities of every feature item, in descriptor order, as the
  // HID class library of Windows lists them: data items that carry values
  // rather than on/off bits, one capability per listed usage.
  std::vector<HidValueCaps> FeatureValueCaps() const;
};

struct HidDescriptorError {
  std::size_t offset = 0;  // of the item at fault
  std::string reason;
};

struct HidDescriptorParse {
  std::optional<HidReportDescriptor> descriptor;
  HidDescriptorError error;  // when there is no descriptor
};

// Reads the short and long items of the descriptor. A descriptor that runs
// out in the middle of an item, closes a collection it never opened, leaves
// one open, pops more than it pushed or names report id 0 is refused.
HidDescriptorParse ParseHidReportDescriptor(std::span<const std::uint8_t> bytes);

}  // namespace zk40
