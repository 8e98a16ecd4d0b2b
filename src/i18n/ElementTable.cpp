#include "i18n/ElementTable.h"

#include <algorithm>
#include <limits>
#include <new>

namespace zk40 {

void SetTagLengths(ElementRecord& r, std::uint32_t startTag, std::uint32_t endTag) {
  r.tag_lengths = static_cast<std::int32_t>((startTag & kMaxStartTagLength) | (endTag << 22));
}

void ElementTable::Reset(std::size_t textLength) {
  blocks_.clear();
  capacity_ = 0;
  size_ = 0;
  Allocate(textLength / 64 + 8);
  (*this)[0] = ElementRecord{};
  size_ = 1;
}

// Whole blocks stay where they are; only the last, partial block is
// allocated anew at its larger size.
void ElementTable::Allocate(std::size_t capacity) {
  const std::size_t blocks = (capacity + kBlockRecords - 1) / kBlockRecords;
  blocks_.resize(std::max(blocks_.size(), blocks));
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::size_t had =
        capacity_ > b * kBlockRecords ? std::min(kBlockRecords, capacity_ - b * kBlockRecords) : 0;
    const std::size_t wants = std::min(kBlockRecords, capacity - b * kBlockRecords);
    if (had == wants) continue;
    auto block = std::make_unique_for_overwrite<ElementRecord[]>(wants);
    if (had) std::copy_n(blocks_[b].get(), had, block.get());
    blocks_[b] = std::move(block);
  }
  capacity_ = capacity;
}

void ElementTable::Grow() {
  constexpr std::size_t kMost = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  if (capacity_ >= kMost) throw std::bad_alloc();
  Allocate(std::min(kMost, std::max(capacity_ + 1, capacity_ + capacity_ / 2)));
}

std::int32_t ElementTable::LastChild(std::int32_t parent) const {
  const std::int32_t first = (*this)[parent].first_child;
  return first ? (*this)[first].previous : 0;
}

std::int32_t ElementTable::AppendChild(std::int32_t parent) {
  if (size_ == capacity_) Grow();
  const auto index = static_cast<std::int32_t>(size_++);
  ElementRecord& r = (*this)[index];
  r = ElementRecord{};
  r.parent = parent;
  ElementRecord& p = (*this)[parent];
  if (!p.first_child) {
    p.first_child = index;
    r.previous = index;
    r.level_flags = kFirstChildMarker;
  } else {
    ElementRecord& first = (*this)[p.first_child];
    (*this)[first.previous].next = index;
    r.previous = first.previous;
    first.previous = index;
  }
  return index;
}

void ElementTable::MoveChildrenOut(std::int32_t element) {
  ElementRecord& e = (*this)[element];
  const std::int32_t first = e.first_child;
  if (!first) return;
  const std::int32_t last = (*this)[first].previous;
  const std::int32_t after = e.next;
  e.first_child = 0;
  for (std::int32_t c = first; c; c = (*this)[c].next) (*this)[c].parent = e.parent;
  ElementRecord& f = (*this)[first];
  f.level_flags &= ~kFirstChildMarker;
  f.previous = element;
  e.next = first;
  (*this)[last].next = after;
  if (after) {
    (*this)[after].previous = last;
  } else {
    (*this)[(*this)[e.parent].first_child].previous = last;
  }
}

}  // namespace zk40
