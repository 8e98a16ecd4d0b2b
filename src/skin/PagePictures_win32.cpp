#include "skin/PagePictures_win32.h"

#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"

namespace zk40 {
namespace {

std::u16string PathOf(const std::u16string& install_folder, std::u16string_view folder, std::u16string_view name) {
  return folder.empty() ? skin::SkinPath(install_folder, name) : skin::SkinPath(install_folder, folder, name);
}

}  // namespace

PagePictures LoadPagePictures(const std::u16string& install_folder, const layout::PageSkin& skin, bool with_image) {
  PagePictures pictures;
  SIZE size{};
  (void)LoadPictureFile(PathOf(install_folder, skin.folder, skin.normal), pictures.normal, size);
  (void)LoadPictureFile(PathOf(install_folder, skin.folder, skin.over), pictures.over, size);
  (void)LoadPictureFile(PathOf(install_folder, skin.folder, skin.down), pictures.down, size);
  if (with_image) pictures.normal_image = LoadPngFile(PathOf(install_folder, skin.folder, skin.normal));
  return pictures;
}

}  // namespace zk40
