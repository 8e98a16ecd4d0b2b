#include "pages/ChooserLists.h"

namespace zk40 {
namespace {

struct ChooserGame {
  std::u16string_view chinese;
  std::u16string_view english;
};

// Trailing blanks are part of the titles.
constexpr ChooserGame kChooserGames[kChooserGameCount] = {
    {u"战地 3", u"Battlefield 3"},
    {u"星球大战:旧共和国", u"Star Wars: The Old Republic"},
    {u"反恐精英:全球攻势", u"Counter-Strike: Global Offensive"},
    {u"上古卷轴5：天际", u"Elder Scrolls V: Skyrim"},
    {u"军团要塞 2", u"Team Fortress 2"},
    {u"蝙蝠侠：阿甘之城", u"Batman Arkham City"},
    {u"文明 5 ", u"Civilization 5 "},
    {u"坦克世界", u"World of Tanks"},
    {u"无主之地 2", u"Borderlands 2"},
    {u"纪元 2070：雷诺起源", u"Anno 2070"},
    {u"英雄联盟(LOL)", u"League of Legends"},
    {u"足球经理 2013 (EA)", u"Football Manager 2013 (EA)"},
    {u"远古遗迹守卫2（Dota 2） ", u"Dota 2 "},
    {u"战地 4", u"Battlefield 4"},
    {u"战机世界", u"World of Warplanes"},
    {u"足球经理 2013 (SEGA)", u"Football Manager 2013 (SEGA)"},
    {u"我的世界", u"Minecraft"},
    {u"无冬之夜", u"Neverwinter"},
    {u"流亡黯道", u"Path of Exile"},
    {u"战争雷霆", u"War Thunder"},
    {u"玩家自定义", u"Customisze"},
};

}  // namespace

const std::array<BasicFunction, kBasicFunctionCount> kBasicFunctions = {{
    {"str_close", 81},        {"str_lock", 82},          {"str_run", 84},          {"str_show", 85},
    {"str_win8_classic", 123}, {"str_win8_switch", 124}, {"str_win8_winp", 126},   {"str_win8_winm", 127},
    {"str_find", 125},        {"str_mouseleft", 1},      {"str_mouseright", 2},    {"str_mousemiddle", 4},
    {"str_pre", 8},           {"str_back", 16},          {"str_player", 40},       {"str_PL", 32},
    {"str_stop", 33},         {"str_pre_media", 34},     {"str_next_media", 35},   {"str_vol_dw", 38},
    {"str_vol_up", 37},       {"str_mute", 39},          {"str_snipe", 142},       {"str_fire", 143},
}};

std::u16string_view ChooserGameTitle(std::size_t position, bool chinese) {
  if (position >= kChooserGameCount) return {};
  return chinese ? kChooserGames[position].chinese : kChooserGames[position].english;
}

std::vector<MacroListEntry> ChooserMacroRows(const MacroTable& table, int position) {
  return ListMacroGroup(table, position + 1);
}

}  // namespace zk40
