// The generated pictures compiled into a program: every bitmap, PNG and icon
// the skin asks for is found in the program's own module at its size.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/ScrollBarSkinLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

using layout::Size;

Size BitmapSize(int id) {
  HANDLE bitmap = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  if (!bitmap) return {};
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  DeleteObject(bitmap);
  return {info.bmWidth, info.bmHeight};
}

TEST(SkinResources, EveryBitmapIsCompiledInAtItsSize) {
  for (int language = 1; language <= layout::kLanguageCount; ++language) {
    const Size s = BitmapSize(layout::FlagBitmapId(language));
    EXPECT_EQ(s.width, 37) << layout::FlagBitmapId(language);
    EXPECT_EQ(s.height, 22);
  }
  for (const auto& ids : {layout::kMainButtonsChinese, layout::kMainButtonsOther}) {
    for (int id : {ids.normal, ids.over, ids.down}) {
      EXPECT_EQ(BitmapSize(id).width, layout::main_window::kSize.width) << id;
      EXPECT_EQ(BitmapSize(id).height, layout::main_window::kSize.height) << id;
    }
  }
  for (const auto& ids : {layout::kButtonEntriesChinese, layout::kButtonEntriesOther}) {
    for (int id : {ids.normal, ids.over, ids.down}) {
      EXPECT_EQ(BitmapSize(id).height, layout::button_page::kEntryPictureSize.height) << id;
    }
  }
  for (const auto& ids : {layout::kNoticeWithCancel, layout::kNoticeWithoutCancel}) {
    for (int id : {ids.normal, ids.over, ids.down}) EXPECT_EQ(BitmapSize(id).width, layout::notice::kSize.width) << id;
  }
  EXPECT_EQ(BitmapSize(layout::kScrollBarSkinBitmap).width, layout::scroll_skin::kSize.width);
  EXPECT_EQ(BitmapSize(layout::kScrollBarSkinBitmap).height, layout::scroll_skin::kSize.height);
}

TEST(SkinResources, PngPicturesAreFoundUnderTheirTypeName) {
  for (int id = layout::kPopupFramePng; id < layout::kSmallFlagPngFirst + layout::kLanguageCount; ++id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"PNG");
    ASSERT_NE(found, nullptr) << id;
    HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_GE(SizeofResource(nullptr, found), 8u);
    EXPECT_EQ(std::memcmp(LockResource(loaded), "\x89PNG\r\n\x1a\n", 8), 0) << id;
  }
}

TEST(SkinResources, IconsLoadAtTheSizesTheShellAsksFor) {
  for (int id : {layout::kTrayExitIcon, layout::kTrayConfigIcon}) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr) << id;
    if (icon) DestroyIcon(icon);
  }
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(layout::kApplicationIcon), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace
}  // namespace zk40
