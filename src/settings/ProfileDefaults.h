#pragma once
#include "settings/ProfileLayout.h"

namespace zk40 {

// Writes the factory profile into record; the labels are the function names
// in Chinese when uiIsChinese, else in English.
void FillProfileDefaults(ProfileRecord& record, bool uiIsChinese);

}  // namespace zk40
