#include "protocol/FunctionTable.h"

#include <algorithm>
#include <array>

namespace zk40 {
namespace {

constexpr FunctionInfo kFunctions[] = {
    {1, u"单击", u"Click", DeviceCode(0x01, 0x00, 0xF0, 0x00)},
    {2, u"菜单", u"Menu", DeviceCode(0x01, 0x00, 0xF1, 0x00)},
    {4, u"中键", u"Middle", DeviceCode(0x01, 0x00, 0xF2, 0x00)},
    {8, u"前进", u"Forward", DeviceCode(0x01, 0x00, 0xF4, 0x00)},
    {11, u"滚轮前滚", u"Scroll up", DeviceCode(0x04, 0x00, 0x01, 0x00)},
    {16, u"后退", u"Back", DeviceCode(0x01, 0x00, 0xF3, 0x00)},
    {22, u"滚轮后滚", u"Scroll down", DeviceCode(0x04, 0x00, 0x02, 0x00)},
    {32, u"播放/暂停", u"Play/Pause", DeviceCode(0x03, 0x00, 0xCD, 0x00)},
    {33, u"停止", u"Stop", DeviceCode(0x03, 0x00, 0xB7, 0x00)},
    {34, u"上一曲", u"Previous", DeviceCode(0x03, 0x00, 0xB6, 0x00)},
    {35, u"下一曲", u"Next", DeviceCode(0x03, 0x00, 0xB5, 0x00)},
    {37, u"音量+", u"Volume up", DeviceCode(0x03, 0x00, 0xE9, 0x00)},
    {38, u"音量-", u"Volume down", DeviceCode(0x03, 0x00, 0xEA, 0x00)},
    {39, u"静音", u"Mute", DeviceCode(0x03, 0x00, 0xE2, 0x00)},
    {40, u"音乐", u"Music", DeviceCode(0x03, 0x00, 0x83, 0x01)},
    {81, u"关闭窗口", u"Close window", DeviceCode(0x00, 0x04, 0x3D, 0x00)},
    {82, u"锁定电脑", u"Lock PC", DeviceCode(0x00, 0x08, 0x0F, 0x00)},
    {84, u"运行", u"Run", DeviceCode(0x00, 0x08, 0x15, 0x00)},
    {85, u"显示桌面", u"Show desktop", DeviceCode(0x00, 0x08, 0x07, 0x00)},
    {121, u"禁用按键", u"Disable key", DeviceCode(0x07, 0x00, 0x00, 0x00)},
    {123, u"进入传统界面", u"Enter classic desktop", DeviceCode(0x00, 0x08, 0x10, 0x00)},
    {124, u"切换应用程序", u"Switch applications", DeviceCode(0x00, 0x04, 0x2B, 0x00)},
    {125, u"搜索", u"Search", DeviceCode(0x00, 0x08, 0x14, 0x00)},
    {126, u"放大", u"sreen zoom in", DeviceCode(0x00, 0x08, 0x57, 0x00)},
    {127, u"缩小", u"sreen zoom out", DeviceCode(0x00, 0x08, 0x56, 0x00)},
    {142, u"狙击键", u"SNIPE", DeviceCode(0x07, 0x00, 0x04, 0x08)},
    {143, u"火力", u"FIRE", DeviceCode(0x0A, 0xF0, 0x18, 0x02)},
};

}  // namespace

std::span<const FunctionInfo> FunctionTable() { return kFunctions; }

const FunctionInfo* FindFunction(std::int32_t type) {
  auto it = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                         [type](const FunctionInfo& f) { return f.type == type; });
  return it == std::end(kFunctions) ? nullptr : &*it;
}

std::u16string_view FunctionName(std::int32_t type, bool uiIsChinese) {
  const FunctionInfo* f = FindFunction(type);
  if (!f) return {};
  return uiIsChinese ? f->chinese : f->english;
}

}  // namespace zk40
