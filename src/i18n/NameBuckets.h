#pragma once
// A fixed table of names with a number each, stored as hash buckets so that
// a lookup compares only the few names of one bucket. The bucket of a name is
// the sum of its units, with ASCII letters lowered, modulo the bucket count.
// Each bucket is one run of entries: a two-digit name length, a five-digit
// number and the name. The runs are built at compile time from a plain list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace zk40 {

struct NamedNumber {
  std::string_view name;  // ASCII, at most 99 characters
  std::uint32_t number;   // at most 99999
};

constexpr char16_t LowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

template <typename Unit>
constexpr std::size_t NameBucket(std::basic_string_view<Unit> name, std::size_t buckets) {
  std::size_t sum = 0;
  for (Unit c : name) sum += LowerAscii(static_cast<char16_t>(static_cast<std::make_unsigned_t<Unit>>(c)));
  return sum % buckets;
}

inline constexpr std::size_t kEntryHeader = 7;  // two digits of length, five of number

template <std::size_t N>
constexpr std::size_t RunChars(const NamedNumber (&entries)[N]) {
  std::size_t chars = 0;
  for (const NamedNumber& e : entries) chars += kEntryHeader + e.name.size();
  return chars;
}

template <std::size_t Buckets, std::size_t Chars>
class NameBuckets {
 public:
  // Each entry's bucket is computed once, so the build stays well inside the
  // compilers' limits on constant evaluation.
  template <std::size_t N>
  constexpr explicit NameBuckets(const NamedNumber (&entries)[N]) {
    std::array<std::size_t, N> bucketOf{};
    std::array<std::size_t, Buckets> fill{};
    for (std::size_t i = 0; i < N; ++i) {
      bucketOf[i] = NameBucket(entries[i].name, Buckets);
      fill[bucketOf[i]] += kEntryHeader + entries[i].name.size();
    }
    std::size_t at = 0;
    for (std::size_t b = 0; b < Buckets; ++b) {
      starts_[b] = at;
      at += fill[b];
      fill[b] = starts_[b];
    }
    starts_[Buckets] = at;
    for (std::size_t i = 0; i < N; ++i) {
      const NamedNumber& e = entries[i];
      std::size_t& to = fill[bucketOf[i]];
      Digits(to, e.name.size(), 2);
      Digits(to + 2, e.number, 5);
      for (std::size_t k = 0; k < e.name.size(); ++k) runs_[to + kEntryHeader + k] = e.name[k];
      to += kEntryHeader + e.name.size();
    }
  }

  // Calls visit(name, number) for each entry of the bucket of a name until
  // visit returns true.
  template <typename Visit>
  constexpr void VisitBucket(std::size_t bucket, Visit visit) const {
    for (std::size_t at = starts_[bucket]; at < starts_[bucket + 1];) {
      const std::size_t length = Number(at, 2);
      const std::string_view name(runs_.data() + at + kEntryHeader, length);
      if (visit(name, static_cast<std::uint32_t>(Number(at + 2, 5)))) return;
      at += kEntryHeader + length;
    }
  }

  constexpr std::size_t EntriesIn(std::size_t bucket) const {
    std::size_t count = 0;
    VisitBucket(bucket, [&count](std::string_view, std::uint32_t) {
      ++count;
      return false;
    });
    return count;
  }

 private:
  constexpr void Digits(std::size_t at, std::size_t value, std::size_t width) {
    for (std::size_t i = width; i-- > 0; value /= 10) runs_[at + i] = static_cast<char>('0' + value % 10);
  }
  constexpr std::size_t Number(std::size_t at, std::size_t width) const {
    std::size_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value = value * 10 + static_cast<std::size_t>(runs_[at + i] - '0');
    return value;
  }

  std::array<char, Chars> runs_{};
  std::array<std::size_t, Buckets + 1> starts_{};
};

}  // namespace zk40
