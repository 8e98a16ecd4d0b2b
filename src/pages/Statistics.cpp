#include "pages/Statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/Utf16Text.h"
#include "shell/MouseEventCodes.h"

namespace zk40 {
namespace {

// The least total of levels 1..12.
constexpr std::array<std::uint32_t, kMaxTrophyLevel> kLevelBounds = {
    100'000,   500'000,   1'000'000, 1'500'000, 2'000'000,  2'500'000,
    3'000'000, 4'000'000, 5'000'000, 6'000'000, 8'000'000, 10'000'000};

}  // namespace

std::uint32_t ClickTotal(const StatisticsCounters& c) { return c.left + c.middle + c.right; }

std::uint32_t WheelTotal(const StatisticsCounters& c) { return c.wheel_forward + c.wheel_backward; }

int TrophyLevelOf(std::uint32_t total) {
  const auto reached = std::upper_bound(kLevelBounds.begin(), kLevelBounds.end(), total);
  return static_cast<int>(reached - kLevelBounds.begin());
}

int RaisedTrophyLevel(int heldLevel, const StatisticsCounters& c) {
  return std::max({heldLevel, TrophyLevelOf(ClickTotal(c)), TrophyLevelOf(WheelTotal(c))});
}

int ProgressStripWidth(int level) {
  const int steps = std::clamp(level + 1, 0, kTrophyLevels);
  return steps * kProgressStripFullWidth / kTrophyLevels;
}

bool CountMouseEvent(StatisticsCounters& c, std::uint32_t eventCode) {
  switch (eventCode) {
    case kLeftDown: ++c.left; return true;
    case kMiddleDown: ++c.middle; return true;
    case kRightDown: ++c.right; return true;
    case kWheelForward: ++c.wheel_forward; return true;
    case kWheelBackward: ++c.wheel_backward; return true;
    default: return false;
  }
}

std::uint32_t AddCursorTravel(StatisticsCounters& c, CursorPoint last, CursorPoint now) {
  // In 64 bits, so that far-apart points on a large desktop cannot overflow.
  const std::int64_t dx = std::llabs(std::int64_t{now.x} - last.x);
  const std::int64_t dy = std::llabs(std::int64_t{now.y} - last.y);
  const auto added = static_cast<std::uint32_t>(dx + dy);
  c.cursor_travel += added;
  return added;
}

std::u16string DistanceText(std::uint32_t cursorTravel) {
  char text[32];
  std::snprintf(text, sizeof text, "%0.2f", cursorTravel * 0.0001);
  return Utf8ToUtf16(text);
}

std::array<std::u16string, kStatisticsTexts> StatisticsTexts(const StatisticsCounters& c) {
  // Counters are unsigned: above 2^31 they still read as the count, not as a negative number.
  const auto number = [](std::uint32_t n) { return DecimalText(n); };
  return {number(c.left),          number(c.middle),         number(c.right),
          number(ClickTotal(c)),   number(c.wheel_forward),  number(c.wheel_backward),
          number(WheelTotal(c)),   DistanceText(c.cursor_travel)};
}

std::u16string TrophyPicturePath(const std::u16string& installFolder, int level) {
  return installFolder + u"\\skins\\trophy\\trophy" + DecimalText(level) + u"Down.bmp";
}

}  // namespace zk40
