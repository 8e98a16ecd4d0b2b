#include "platform/HidReportDescriptor.h"

#include <algorithm>

namespace zk40 {
namespace {

// Item types and tags of the short items this reader acts on.
constexpr int kMainType = 0, kGlobalType = 1, kLocalType = 2;
constexpr int kInputTag = 0x8, kOutputTag = 0x9, kFeatureTag = 0xB, kCollectionTag = 0xA, kEndCollectionTag = 0xC;
constexpr int kUsagePageTag = 0x0, kReportSizeTag = 0x7, kReportIdTag = 0x8, kReportCountTag = 0x9, kPushTag = 0xA,
              kPopTag = 0xB;
constexpr int kUsageTag = 0x0, kUsageMinimumTag = 0x1, kUsageMaximumTag = 0x2;
constexpr std::uint8_t kLongItemPrefix = 0xFE;

// Bounds that no real device comes near; they keep a hostile descriptor from
// making the reader use memory without end.
constexpr std::size_t kMaxPushDepth = 32;
constexpr std::size_t kMaxCollectionDepth = 64;
constexpr std::size_t kMaxUsagesPerItem = 1024;

struct GlobalState {
  std::uint16_t usage_page = 0;
  std::uint8_t report_id = 0;
  std::uint32_t report_size = 0;
  std::uint32_t report_count = 0;
};

struct LocalState {
  std::vector<HidUsage> usages;
  std::optional<HidUsage> minimum;
  std::optional<HidUsage> maximum;
};

// A usage item's value: four data bytes carry their own page in the high half.
HidUsage UsageOf(std::uint32_t value, std::size_t dataSize, std::uint16_t page) {
  if (dataSize == 4) return {static_cast<std::uint16_t>(value >> 16), static_cast<std::uint16_t>(value)};
  return {page, static_cast<std::uint16_t>(value)};
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  HidDescriptorParse Run() {
    while (pos_ < bytes_.size()) {
      const std::size_t at = pos_;
      const std::uint8_t prefix = bytes_[pos_];
      if (prefix == kLongItemPrefix) {
        // Long items are reserved for future use; their size is in the next byte.
        if (pos_ + 3 > bytes_.size() || pos_ + 3 + bytes_[pos_ + 1] > bytes_.size())
          return Fail(at, "long item runs past the end");
        pos_ += 3 + bytes_[pos_ + 1];
        continue;
      }
      const std::size_t size = (prefix & 3) == 3 ? 4 : prefix & 3;
      if (pos_ + 1 + size > bytes_.size()) return Fail(at, "item runs past the end");
      std::uint32_t value = 0;
      for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{bytes_[pos_ + 1 + i]} << (8 * i);
      pos_ += 1 + size;

      const int type = (prefix >> 2) & 3;
      const int tag = prefix >> 4;
      std::string problem;
      if (type == kMainType) {
        problem = Main(tag, value);
      } else if (type == kGlobalType) {
        problem = Global(tag, value);
      } else if (type == kLocalType) {
        problem = Local(tag, value, size);
      }
      if (!problem.empty()) return Fail(at, problem);
    }
    if (depth_ != 0) return Fail(bytes_.size(), "a collection is never closed");
    HidDescriptorParse result;
    result.descriptor = std::move(descriptor_);
    return result;
  }

 private:
  static HidDescriptorParse Fail(std::size_t offset, std::string reason) {
    HidDescriptorParse result;
    result.error = {offset, std::move(reason)};
    return result;
  }

  std::string Main(int tag, std::uint32_t value) {
    if (tag == kCollectionTag) {
      if (depth_ == kMaxCollectionDepth) return "collections nested too deep";
      if (depth_ == 0) {
        HidCollection collection;
        if (!local_.usages.empty()) {
          collection.usage = local_.usages.front();
        } else if (local_.minimum) {
          collection.usage = *local_.minimum;
        }
        descriptor_.collections.push_back(std::move(collection));
      }
      ++depth_;
    } else if (tag == kEndCollectionTag) {
      if (depth_ == 0) return "end of a collection that was never opened";
      --depth_;
    } else if (tag == kInputTag || tag == kOutputTag || tag == kFeatureTag) {
      // An item outside every collection belongs to no interface the system
      // offers; it is passed over, as is everything about it.
      if (depth_ > 0) descriptor_.collections.back().items.push_back(Item(tag, value));
    }
    local_ = {};
    return {};
  }

  HidMainItem Item(int tag, std::uint32_t value) const {
    HidMainItem item;
    item.type = tag == kInputTag ? HidReportType::input : tag == kOutputTag ? HidReportType::output
                                                                            : HidReportType::feature;
    item.report_id = global_.report_id;
    item.report_size = global_.report_size;
    item.report_count = global_.report_count;
    item.constant = (value & 1) != 0;
    item.variable = (value & 2) != 0;
    if (local_.minimum && local_.maximum) {
      item.usages = {*local_.minimum, *local_.maximum};
      item.usage_range = true;
    } else {
      item.usages = local_.usages;
    }
    return item;
  }

  std::string Global(int tag, std::uint32_t value) {
    switch (tag) {
      case kUsagePageTag:
        global_.usage_page = static_cast<std::uint16_t>(value);
        break;
      case kReportSizeTag:
        global_.report_size = value;
        break;
      case kReportIdTag:
        if (value == 0 || value > 0xFF) return "report id " + std::to_string(value) + " is not 1..255";
        global_.report_id = static_cast<std::uint8_t>(value);
        descriptor_.numbered_reports = true;
        break;
      case kReportCountTag:
        global_.report_count = value;
        break;
      case kPushTag:
        if (pushed_.size() == kMaxPushDepth) return "push nested too deep";
        pushed_.push_back(global_);
        break;
      case kPopTag:
        if (pushed_.empty()) return "pop without a push";
        global_ = pushed_.back();
        pushed_.pop_back();
        break;
      default:
        break;  // logical and physical ranges, units: not needed here
    }
    return {};
  }

  std::string Local(int tag, std::uint32_t value, std::size_t size) {
    const HidUsage usage = UsageOf(value, size, global_.usage_page);
    if (tag == kUsageTag) {
      if (local_.usages.size() == kMaxUsagesPerItem) return "too many usages for one item";
      local_.usages.push_back(usage);
    } else if (tag == kUsageMinimumTag) {
      local_.minimum = usage;
    } else if (tag == kUsageMaximumTag) {
      local_.maximum = usage;
    }
    return {};
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  std::size_t depth_ = 0;
  GlobalState global_;
  std::vector<GlobalState> pushed_;
  LocalState local_;
  HidReportDescriptor descriptor_;
};

}  // namespace

HidDescriptorParse ParseHidReportDescriptor(std::span<const std::uint8_t> bytes) {
  return Reader(bytes).Run();
}

std::size_t HidReportDescriptor::ReportBytes(HidReportType type, std::uint8_t reportId) const {
  std::uint64_t bits = 0;
  bool found = false;
  for (const HidCollection& c : collections) {
    for (const HidMainItem& item : c.items) {
      if (item.type != type || item.report_id != reportId) continue;
      found = true;
      bits += std::uint64_t{item.report_size} * item.report_count;
    }
  }
  if (!found) return 0;
  return static_cast<std::size_t>((bits + 7) / 8) + (numbered_reports ? 1 : 0);
}

const HidCollection* HidReportDescriptor::FindCollection(HidUsage usage) const {
  auto it = std::find_if(collections.begin(), collections.end(), [usage](const HidCollection& c) {
    return c.usage.page == usage.page && c.usage.id == usage.id;
  });
  return it == collections.end() ? nullptr : &*it;
}

std::vector<HidValueCaps> HidReportDescriptor::FeatureValueCaps() const {
  std::vector<HidValueCaps> caps;
  auto add = [&caps](const HidMainItem& item, HidUsage usage, std::uint32_t count) {
    caps.push_back({usage.page, usage.id, item.report_id, static_cast<std::uint16_t>(std::min<std::uint32_t>(count, 0xFFFF))});
  };
  for (const HidCollection& c : collections) {
    for (const HidMainItem& item : c.items) {
      // One-bit variable fields and arrays are buttons to the class library, and
      // constant fields are padding; neither is a value.
      if (item.type != HidReportType::feature || item.constant || !item.variable || item.report_size <= 1) continue;
      if (item.usage_range || item.usages.size() <= 1) {
        add(item, item.usages.empty() ? HidUsage{} : item.usages.front(), item.report_count);
        continue;
      }
      // Each listed usage names one field; the last names all that are left.
      std::uint32_t left = item.report_count;
      for (std::size_t i = 0; i < item.usages.size() && left > 0; ++i) {
        const std::uint32_t count = i + 1 == item.usages.size() ? left : 1;
        add(item, item.usages[i], count);
        left -= count;
      }
    }
  }
  return caps;
}

}  // namespace zk40
