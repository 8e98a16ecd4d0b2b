#pragma once
// The statistics page: click, wheel and travel counters with their trophies.
// The main window forwards each reported mouse event to it (1225); a
// sampler thread reports the cursor twice a second (1226). The page keeps
// the counters in Sts.cfg: on reset, when Windows ends the session, when it
// is destroyed, and every few minutes while they change.

#include <array>
#include <memory>
#include <optional>

#include "framework/OwnedControls.h"
#include "pages/DistanceSampler.h"
#include "pages/SkinPage_win32.h"
#include "pages/StatisticsPage.h"
#include "resource.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgSts final : public CSkinPage {
 public:
  CDlgSts(CWnd* parent, const PageContext& context);
  ~CDlgSts() override;

  // Writes the counters to Sts.cfg (Windows is ending the session).
  void SaveStatistics();
  // The tooltips of the trophy and the Reset button.
  void SetCaptions() override;

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnPaint() override;
  bool OnMouseMove(UINT flags, POINT point) override;
  void OnDestroy() override;

 private:
  void CreateControls();
  void StartSampler();
  void StopSampler();
  // Shows level: its large trophy, icons 0..level lit.
  void ShowLevel(int level);
  void ShowStrip(int width);
  void OnReset();
  bool Chinese() const { return Context().store.install_is_chinese == 1; }

  std::optional<StatisticsPage> model_;
  SystemClock sleeper_;
  std::unique_ptr<CursorSource> cursor_;
  std::unique_ptr<DistanceSampler> sampler_;
  OwnedControls owned_;
  CGDIBitmapBtn* trophy_ = nullptr;
  CGDIBitmapBtn* strip_ = nullptr;
  CGDIBitmapBtn* reset_ = nullptr;
  std::array<CGDIBitmapBtn*, kTrophyLevels> icons_{};
};

}  // namespace zk40
