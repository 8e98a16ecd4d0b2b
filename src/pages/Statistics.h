#pragma once
// The statistics counters and what is derived from them: the totals, the
// trophy level, the progress strip and the texts of the number column. All
// sums are unsigned 32-bit and wrap.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zk40 {

// Sts.cfg is this record, byte for byte: six unsigned 32-bit little-endian values.
struct StatisticsCounters {
  std::uint32_t left;
  std::uint32_t middle;
  std::uint32_t right;
  std::uint32_t wheel_forward;
  std::uint32_t wheel_backward;
  std::uint32_t cursor_travel;  // pixels, |dx| + |dy| summed over the samples
};
static_assert(sizeof(StatisticsCounters) == 24);

inline constexpr int kTrophyLevels = 13;  // levels 0..12
inline constexpr int kMaxTrophyLevel = kTrophyLevels - 1;

std::uint32_t ClickTotal(const StatisticsCounters& c);
std::uint32_t WheelTotal(const StatisticsCounters& c);

// The level a total has reached: 0 below 100,000, up to 12 from 10,000,000.
int TrophyLevelOf(std::uint32_t total);

// The level earned by the counters; never below the level held before.
int RaisedTrophyLevel(int heldLevel, const StatisticsCounters& c);

// Width of the progress strip for a level: a thirteenth of 273 pixels per
// step, so level 0 shows 21 and level 12 all 273.
inline constexpr int kProgressStripFullWidth = 273;
int ProgressStripWidth(int level);

// Counts one mouse event of the hooks: left, middle or right button down, or
// a wheel step. False (nothing counted) for any other code.
bool CountMouseEvent(StatisticsCounters& c, std::uint32_t eventCode);

struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const CursorPoint&) const = default;
};

// Adds the travel from last to now; returns the pixels added (0 when the cursor stood still).
std::uint32_t AddCursorTravel(StatisticsCounters& c, CursorPoint last, CursorPoint now);

// The eight values of the number column, in the order they are drawn: left,
// middle, right, click total, wheel forward, wheel backward, wheel total,
// distance.
inline constexpr std::size_t kStatisticsTexts = 8;
std::array<std::u16string, kStatisticsTexts> StatisticsTexts(const StatisticsCounters& c);

// The distance shown: the travel divided by 10,000, two decimals ("500.00").
std::u16string DistanceText(std::uint32_t cursorTravel);

// The picture of the large trophy for a level, under the install folder.
std::u16string TrophyPicturePath(const std::u16string& installFolder, int level);

}  // namespace zk40
