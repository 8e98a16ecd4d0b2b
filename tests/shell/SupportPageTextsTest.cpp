#include <gtest/gtest.h>

#include "platform/Utf16Text.h"
#include "shell/SupportPageTexts.h"

namespace zk40 {
namespace {

std::string Shown(std::u16string_view firmwareText) { return Utf16ToUtf8(FirmwareVersionText(firmwareText)); }

TEST(SupportPageTextsTest, FirmwareVersionsReadAsMajorMinorPatch) {
  EXPECT_EQ(Shown(u""), "Unknown");
  EXPECT_EQ(Shown(u"7"), "V 0.0.7");
  EXPECT_EQ(Shown(u"12"), "V 0.1.2");
  EXPECT_EQ(Shown(u"123"), "V 1.2.3");
  EXPECT_EQ(Shown(u"2805"), "V 28.0.5");
}

TEST(SupportPageTextsTest, TheRestoreQuestionFollowsTheInterfaceLanguage) {
  EXPECT_EQ(Utf16ToUtf8(RestoreDefaultsQuestion(0)), "Do you want to restore the default setting?");
  EXPECT_EQ(Utf16ToUtf8(RestoreDefaultsQuestion(1)), "确定要恢复默认设置?");
}

}  // namespace
}  // namespace zk40
