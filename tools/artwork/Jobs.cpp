#include "Jobs.h"

#include <filesystem>

#include "BmpFile.h"
#include "IcoFile.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/ScrollBarSkinLayout.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40::art {
namespace {

using PagePainter = void (*)(Canvas&, const Words&, Look);

std::string Utf8(std::u16string_view s) {
  std::string out;
  for (char16_t ch : s) out += static_cast<char>(ch);  // skin file names are ASCII
  return out;
}

std::string SkinPath(std::u16string_view folder, std::u16string_view name) {
  std::string path = "skins/";
  if (!folder.empty()) path += Utf8(folder) + "/";
  return path + Utf8(name);
}

void AddPage(std::vector<Job>& jobs, const layout::PageSkin& skin, const Words& w, PagePainter paint) {
  const std::pair<std::u16string_view, Look> states[] = {
      {skin.normal, Look::kNormal}, {skin.down, Look::kDown}, {skin.over, Look::kOver}};
  for (const auto& [name, look] : states) {
    jobs.push_back({SkinPath(skin.folder, name), skin.size, Format::kBmp,
                    [&w, paint, look = look](Canvas& c) { paint(c, w, look); }, {}});
  }
}

Job FileJob(const layout::SkinFile& f, Format format, std::function<void(Canvas&)> paint) {
  return {SkinPath(f.folder, f.name), f.size, format, std::move(paint), {}};
}

}  // namespace

std::vector<Job> SkinJobs(const Words& w) {
  std::vector<Job> jobs;
  AddPage(jobs, layout::kMainWindowSkin, w, PaintMainWindow);
  AddPage(jobs, layout::kButtonPageSkin, w, PaintButtonPage);
  AddPage(jobs, layout::kMacroPageSkin, w, PaintMacroPage);
  AddPage(jobs, layout::kStatisticsPageSkin, w, PaintStatisticsPage);
  AddPage(jobs, layout::kSupportPageSkin, w, PaintSupportPage);
  AddPage(jobs, layout::kLightingPageSkin, w, PaintLightingPage);
  AddPage(jobs, layout::kChooserSkin, w, PaintChooserFrame);
  AddPage(jobs, layout::kChooserBasicSkin, w, PaintChooserBasic);
  AddPage(jobs, layout::kChooserAdvancedSkin, w, PaintChooserAdvanced);
  AddPage(jobs, layout::kChooserMacroSkin, w, PaintChooserMacro);
  AddPage(jobs, layout::kChooserComboSkin, w, PaintChooserCombo);

  jobs.push_back(FileJob(layout::kSliderThumb, Format::kPng, PaintSliderThumb));
  const StepIcon icons[] = {StepIcon::kKeyUp, StepIcon::kKeyUp, StepIcon::kKeyDown,
                            StepIcon::kKeyDown, StepIcon::kDelay, StepIcon::kDelay};
  for (std::size_t i = 0; i < layout::kStepIcons.size(); ++i) {
    const bool selected = i % 2 == 1;
    jobs.push_back(FileJob(layout::kStepIcons[i], Format::kPng,
                           [icon = icons[i], selected](Canvas& c) { PaintStepIcon(c, icon, selected); }));
  }
  jobs.push_back(FileJob(layout::kProgressNormal, Format::kPng, [](Canvas& c) { PaintProgress(c, false); }));
  jobs.push_back(FileJob(layout::kProgressOver, Format::kPng, [](Canvas& c) { PaintProgress(c, true); }));
  const Look row_looks[] = {Look::kNormal, Look::kOver, Look::kDown};
  for (std::size_t i = 0; i < layout::kGameMenuRows.size(); ++i) {
    jobs.push_back(FileJob(layout::kGameMenuRows[i], Format::kBmp, [look = row_looks[i % 3], sub = i >= 3](Canvas& c) {
      PaintGameMenuRow(c, look, sub);
    }));
  }
  for (int level = 0; level < layout::kTrophyLevels; ++level) {
    const std::string name = "trophy" + std::to_string(level) + "Down.bmp";
    jobs.push_back({"skins/" + Utf8(layout::kTrophyFolder) + "/" + name, layout::kTrophySize, Format::kBmp,
                    [level](Canvas& c) { PaintTrophy(c, level); }, {}});
  }
  return jobs;
}

std::vector<ResourceJob> ResourceJobs(const Words& english, const Words& chinese) {
  std::vector<ResourceJob> jobs;
  const auto bitmap = [&jobs](int id, Size size, std::function<void(Canvas&)> paint) {
    jobs.push_back({id, "BITMAP", {"bitmap" + std::to_string(id) + ".bmp", size, Format::kBmp, std::move(paint), {}}});
  };
  const auto png = [&jobs](int id, Size size, std::function<void(Canvas&)> paint) {
    jobs.push_back({id, "PNG", {"png" + std::to_string(id) + ".png", size, Format::kPng, std::move(paint), {}}});
  };
  for (int language = 1; language <= layout::kLanguageCount; ++language) {
    bitmap(layout::FlagBitmapId(language), {37, 22}, [language](Canvas& c) { PaintFlag(c, language); });
    png(layout::SmallFlagPngId(language), {19, 11}, [language](Canvas& c) { PaintFlag(c, language); });
  }
  const auto states = [&](const layout::StatePictureIds& ids, const Words& w, Size size, PagePainter paint) {
    bitmap(ids.normal, size, [&w, paint](Canvas& c) { paint(c, w, Look::kNormal); });
    bitmap(ids.over, size, [&w, paint](Canvas& c) { paint(c, w, Look::kOver); });
    bitmap(ids.down, size, [&w, paint](Canvas& c) { paint(c, w, Look::kDown); });
  };
  states(layout::kMainButtonsChinese, chinese, layout::main_window::kSize, PaintMainWindowButtons);
  states(layout::kMainButtonsOther, english, layout::main_window::kSize, PaintMainWindowButtons);
  states(layout::kButtonEntriesChinese, chinese, layout::button_page::kEntryPictureSize, PaintButtonEntries);
  states(layout::kButtonEntriesOther, english, layout::button_page::kEntryPictureSize, PaintButtonEntries);
  const auto notice = [&](const layout::NoticePictureIds& ids, bool with_cancel) {
    bitmap(ids.normal, layout::notice::kSize, [with_cancel](Canvas& c) { PaintNotice(c, with_cancel, Look::kNormal); });
    bitmap(ids.over, layout::notice::kSize, [with_cancel](Canvas& c) { PaintNotice(c, with_cancel, Look::kOver); });
    bitmap(ids.down, layout::notice::kSize, [with_cancel](Canvas& c) { PaintNotice(c, with_cancel, Look::kDown); });
  };
  notice(layout::kNoticeWithCancel, true);
  notice(layout::kNoticeWithoutCancel, false);
  bitmap(layout::kScrollBarSkinBitmap, layout::scroll_skin::kSize, PaintScrollBarSkin);
  png(layout::kPopupFramePng, layout::popup::kFrameSize, PaintPopupFrame);
  const auto icon = [&jobs](int id, std::vector<int> sizes, std::function<void(Canvas&)> paint) {
    jobs.push_back({id, "ICON", {"icon" + std::to_string(id) + ".ico", {}, Format::kIco, std::move(paint), std::move(sizes)}});
  };
  icon(layout::kTrayExitIcon, {16}, [](Canvas& c) { PaintTrayIcon(c, true); });
  icon(layout::kTrayConfigIcon, {16}, [](Canvas& c) { PaintTrayIcon(c, false); });
  icon(layout::kApplicationIcon, {16, 32, 48}, PaintApplicationIcon);
  return jobs;
}

bool RunJob(const Job& job, const std::string& root) {
  const std::filesystem::path path = std::filesystem::path(root) / job.path;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (job.format == Format::kIco) {
    std::vector<IconImage> images;
    for (int size : job.icon_sizes) {
      Canvas c(size, size);
      job.paint(c);
      images.push_back({size, c.Bgra()});
    }
    return WriteWholeFile(path.string(), EncodeIco(images));
  }
  Canvas c(job.size);
  job.paint(c);
  return job.format == Format::kBmp ? c.WriteBmp(path.string()) : c.WritePng(path.string());
}

}  // namespace zk40::art
