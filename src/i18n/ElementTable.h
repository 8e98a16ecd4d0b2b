#pragma once
// The element index of a document: one fixed-size record per element, kept
// in blocks of 65,536 records so that a large document needs no single huge
// allocation. Record 0 stands for the document itself.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zk40 {

struct ElementRecord {
  std::int32_t start;        // offset of the start tag's "<"
  std::int32_t length;       // to the end of the end tag (or of the start tag)
  std::int32_t tag_lengths;  // low 22 bits start tag, high 10 bits end tag
  std::int32_t level_flags;  // low 16 bits nesting level, then the markers
  std::int32_t parent;
  std::int32_t first_child;
  std::int32_t next;
  std::int32_t previous;  // for a first child: the last child
};
static_assert(sizeof(ElementRecord) == 32);

inline constexpr std::int32_t kFirstChildMarker = 1 << 16;
inline constexpr std::int32_t kNotEndedMarker = 1 << 17;
inline constexpr std::int32_t kContainsErrorMarker = 1 << 18;

inline constexpr std::uint32_t kMaxStartTagLength = (1u << 22) - 1;
inline constexpr std::uint32_t kMaxEndTagLength = (1u << 10) - 1;
inline constexpr std::int32_t kMaxLevel = 0xFFFF;

inline std::uint32_t StartTagLength(const ElementRecord& r) {
  return static_cast<std::uint32_t>(r.tag_lengths) & kMaxStartTagLength;
}
inline std::uint32_t EndTagLength(const ElementRecord& r) {
  return static_cast<std::uint32_t>(r.tag_lengths) >> 22;
}
inline std::int32_t Level(const ElementRecord& r) { return r.level_flags & kMaxLevel; }
void SetTagLengths(ElementRecord& r, std::uint32_t startTag, std::uint32_t endTag);

class ElementTable {
 public:
  static constexpr std::size_t kBlockRecords = 65536;

  ElementTable() { Reset(0); }

  // Back to record 0 alone, with room for a text of this many units.
  void Reset(std::size_t textLength);

  std::int32_t size() const { return static_cast<std::int32_t>(size_); }
  ElementRecord& operator[](std::int32_t i) { return blocks_[Block(i)][Slot(i)]; }
  const ElementRecord& operator[](std::int32_t i) const { return blocks_[Block(i)][Slot(i)]; }

  // A new record, the last child of parent. Throws std::bad_alloc.
  std::int32_t AppendChild(std::int32_t parent);

  // The element's children become its following siblings, in their order.
  void MoveChildrenOut(std::int32_t element);

  std::int32_t LastChild(std::int32_t parent) const;

 private:
  static std::size_t Block(std::int32_t i) { return static_cast<std::size_t>(i) / kBlockRecords; }
  static std::size_t Slot(std::int32_t i) { return static_cast<std::size_t>(i) % kBlockRecords; }
  void Grow();
  void Allocate(std::size_t capacity);

  std::vector<std::unique_ptr<ElementRecord[]>> blocks_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
};

}  // namespace zk40
