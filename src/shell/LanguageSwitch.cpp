#include "shell/LanguageSwitch.h"

#include <limits>

#include "i18n/LanguageFiles.h"

namespace zk40 {

LanguageSwitchPlan DecideLanguageSwitch(std::uintptr_t wParam, std::intptr_t lParam, bool menuOpen) {
  LanguageSwitchPlan plan;
  if (lParam == 0) {
    plan.kind = LanguageSwitchPlan::Kind::menu_closed;
    return plan;
  }
  const bool fromStartup = wParam == kLanguageFromStartup;
  if (!fromStartup && !menuOpen) return plan;

  // Language.cfg holds a 32-bit number; a wider value would be written
  // truncated, and might then read back as a language, so it is ignored.
  if (lParam < std::numeric_limits<int>::min() || lParam > std::numeric_limits<int>::max()) return plan;
  const int number = static_cast<int>(lParam);

  plan.kind = LanguageSwitchPlan::Kind::apply;
  plan.ui_is_chinese = number == kSimplifiedChineseLanguage ? 1 : 0;
  plan.load_language = IsLanguageNumber(number) ? number : 0;
  plan.save_number = number;
  plan.close_menu = !fromStartup;
  return plan;
}

}  // namespace zk40
