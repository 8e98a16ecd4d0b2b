#include "Texts.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zk40::art {
namespace {

struct Pair {
  const char* key;
  const char* english;
  const char* chinese;
};

// The pictures' own labels.
constexpr Pair kLabels[] = {
    {"brand", "OSTREL", "OSTREL"},
    {"product", "ZK40 GAMING MOUSE", "ZK40 游戏鼠标"},
    {"profiles", "Profiles", "配置"},
    // Button page.
    {"dpi", "DPI stages", "DPI 档位"},
    {"dpi_note", "Up to five stages", "最多开启五档"},
    {"pointer", "Pointer speed", "指针速度"},
    {"sensor", "Lift-off distance", "静默高度"},
    {"rate", "Report rate", "回报率"},
    {"wheel", "Windows scrolling", "Windows 滚轮"},
    {"buttons", "Mouse buttons", "鼠标按键"},
    {"slow", "Slow", "慢"},
    {"fast", "Fast", "快"},
    {"low", "Low", "低"},
    {"high", "High", "高"},
    {"precision", "Enhance precision", "提高指针精确度"},
    {"lines_choice", "Scroll a number of lines at a time", "一次滚动下列行数"},
    {"lines_count", "Lines per notch", "行数"},
    {"screen_choice", "Scroll one screen at a time", "一次滚动一个屏幕"},
    {"button_0", "Left", "左键"},
    {"button_1", "Middle", "中键"},
    {"button_2", "Right", "右键"},
    {"button_3", "Forward", "前进键"},
    {"button_4", "Back", "后退键"},
    {"button_5", "Wheel up", "滚轮上"},
    {"button_6", "Wheel down", "滚轮下"},
    {"assign_hint", "Click a button to assign it a function", "点击按键为其指定功能"},
    // Lighting page.
    {"lighting", "Lighting effect", "灯光效果"},
    {"speed", "Speed", "速度"},
    {"brightness", "Brightness", "亮度"},
    {"proximity", "Proximity sensing", "感应"},
    {"on", "On", "开启"},
    {"off", "Off", "关闭"},
    {"colour", "Colour", "颜色设置"},
    {"current_colour", "Current colour", "当前颜色"},
    {"presets", "Presets", "预设颜色"},
    {"custom", "Custom colour", "自定义颜色"},
    // Macro page.
    {"macros", "Macros", "宏列表"},
    {"steps", "Steps", "步骤"},
    {"record", "Recording", "录制"},
    {"record_delays", "Record delays", "录制延时"},
    {"loops", "Loop count", "循环次数"},
    {"insert_click", "Insert a mouse click", "插入鼠标按键"},
    {"insert_key", "Key", "按键"},
    {"insert_delay", "Delay (ms)", "延时（毫秒）"},
    {"ok", "OK", "确定"},
    // Statistics page.
    {"clicks", "Clicks", "点击"},
    {"left_clicks", "Left", "左键"},
    {"middle_clicks", "Middle", "中键"},
    {"right_clicks", "Right", "右键"},
    {"total", "Total", "总计"},
    {"wheel_stats", "Wheel", "滚轮"},
    {"wheel_up", "Forward", "向前"},
    {"wheel_down", "Backward", "向后"},
    {"travel", "Travel", "移动距离"},
    {"distance", "Distance", "距离"},
    {"trophies", "Trophies", "奖杯"},
    {"progress", "Progress", "进度"},
    {"reset", "Reset statistics", "重置统计"},
    // Support page.
    {"versions", "Versions", "版本信息"},
    {"driver_version", "Driver version", "驱动版本"},
    {"firmware_version", "Firmware version", "固件版本"},
    {"firmware", "Firmware update", "固件更新"},
    {"firmware_note", "Look for a newer firmware for your ZK40", "检查 ZK40 是否有新固件"},
    {"website", "Ostrel online", "Ostrel 官网"},
    {"website_note", "Drivers, manuals and news", "驱动、说明书与资讯"},
    {"profile_files", "Profile files", "配置文件"},
    {"profile_note", "Save or load the current profile", "保存或载入当前配置"},
    {"factory", "Factory settings", "出厂设置"},
    {"factory_note", "Restore every setting of this profile", "恢复当前配置的全部设置"},
    // Chooser pages.
    {"ctrl", "Ctrl", "Ctrl"},
    {"alt", "Alt", "Alt"},
    {"shift", "Shift", "Shift"},
    {"win", "Win", "Win"},
    {"press_key", "Press a key", "请按下按键"},
    {"key", "Key", "按键"},
    {"advanced_note", "The chosen button starts this when you press it", "按下该键时执行所选操作"},
};

std::string Unescape(const std::string& s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    bool replaced = false;
    if (s[i] == '&') {
      for (const auto& [entity, text] : kEntities) {
        const std::string_view e(entity);
        if (s.compare(i, e.size(), e) == 0) {
          out += text;
          i += e.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += s[i++];
  }
  return out;
}

}  // namespace

std::map<std::string, std::string> ReadLanguageTexts(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  std::stringstream buffer;
  buffer << f.rdbuf();
  const std::string xml = buffer.str();
  std::map<std::string, std::string> texts;
  for (std::size_t at = xml.find("<str_"); at != std::string::npos; at = xml.find("<str_", at + 1)) {
    const std::size_t name_end = xml.find('>', at);
    if (name_end == std::string::npos) break;
    const std::string name = xml.substr(at + 1, name_end - at - 1);
    const std::size_t close = xml.find("</" + name + ">", name_end);
    if (close == std::string::npos) continue;
    texts[name] = Unescape(xml.substr(name_end + 1, close - name_end - 1));
  }
  return texts;
}

Words::Words(Lang lang, const std::string& language_file)
    : lang_(lang), file_texts_(ReadLanguageTexts(language_file)) {
  for (const Pair& p : kLabels) file_texts_.emplace(p.key, Chinese() ? p.chinese : p.english);
}

const std::string& Words::operator[](const std::string& key) const {
  const auto it = file_texts_.find(key);
  if (it == file_texts_.end()) throw std::runtime_error("no text for " + key);
  return it->second;
}

}  // namespace zk40::art
