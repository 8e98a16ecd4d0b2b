#pragma once
// Read-only tables of the settings: factory functions, offered choices and
// the factory labels in both built-in languages.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/ProfileLayout.h"

namespace zk40 {

// Button index: 0 left, 1 middle, 2 right, 3 forward (X2), 4 back (X1),
// 5 wheel forward, 6 wheel backward.
inline constexpr std::array<std::int32_t, kButtonCount> kFactoryFunctionTypes = {1, 4, 2, 8, 16, 11, 22};

// DPI choices of the button page, in display order.
inline constexpr std::array<std::int32_t, 8> kDpiChoices = {500, 750, 1000, 1250, 1500, 1750, 2000, 3000};

// Report rates in Hz, in display order.
inline constexpr std::array<std::int32_t, 3> kReportRateChoices = {125, 500, 1000};

// The factory labels as Chinese/English pairs; a stored label that equals
// one side is translated to the other when the UI language changed.
struct LabelPair {
  std::u16string_view chinese;
  std::u16string_view english;
};
inline constexpr std::array<LabelPair, 7> kFactoryLabelPairs = {{
    {u"单击", u"Click"},
    {u"中键", u"Middle"},
    {u"菜单", u"Menu"},
    {u"前进", u"Forward"},
    {u"后退", u"Back"},
    {u"滚轮前滚", u"Scroll up"},
    {u"滚轮后滚", u"Scroll down"},
}};

// The factory label in the wanted language when label is a factory label in
// the other one; nothing otherwise (the label is then shown as stored).
std::optional<std::u16string_view> TranslateFactoryLabel(std::u16string_view label, bool toChinese);

}  // namespace zk40
