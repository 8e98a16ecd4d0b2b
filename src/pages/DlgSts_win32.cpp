#include "pages/DlgSts_win32.h"

#include <cstdlib>

#include "framework/BufferedPaint.h"
#include "pages/PageControls_win32.h"
#include "pages/PageGeometry.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "settings/DataPaths.h"
#include "skin/PagePictures_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinButton_win32.h"
#include "skin/SkinnedDialog_win32.h"
#include "skin/layout/StatisticsPageLayout.h"

namespace zk40 {
namespace {

namespace sp = layout::statistics_page;

}  // namespace

CDlgSts::CDlgSts(CWnd* parent, const PageContext& context)
    : CSkinPage(IDD_PAGE_STATISTICS, parent, context, layout::kStatisticsPageSkin) {}

CDlgSts::~CDlgSts() { StopSampler(); }

bool CDlgSts::OnInitDialog() {
  const PageContext& context = Context();
  model_.emplace(context.fs, context.notices, context.strings, context.clock,
                 JoinPath(context.store.data_folder, kStatisticsFile));
  model_->SetSaveInterval(StatisticsSaveIntervalFrom(std::getenv(kStatisticsSaveSecondsVariable)));
  model_->Load();
  StartSampler();
  SetTimer(kStatisticsTimerId, kStatisticsTimerMs);
  return false;
}

void CDlgSts::OnFirstShow() {
  CreateControls();
  SetCaptions();
}

void CDlgSts::CreateControls() {
  PageControls make(*this, LoadStatePictures(false), owned_);
  trophy_ = &make.LatchingButton(sp::kTrophyPicture, {});
  trophy_->SetLatched(true);
  // The strip is cut whole from the pictures and shown as wide as the level reaches.
  strip_ = &make.LatchingButton(sp::StripRect(kMaxTrophyLevel), {});
  strip_->SetLatched(true);
  for (int i = 0; i < kTrophyLevels; ++i) icons_[static_cast<std::size_t>(i)] = &make.LatchingButton(sp::TrophyIcon(i), {});
  reset_ = &make.Button(sp::kResetButton, [this] { OnReset(); });
  ReleaseStatePictures();
}

void CDlgSts::SetCaptions() {
  if (!reset_) return;
  trophy_->SetTooltipText(Context().strings.Get("str_cups"), true);
  reset_->SetTooltipText(Context().strings.Get("str_resetSts"), true);
}

void CDlgSts::StartSampler() {
  cursor_ = CreateSystemCursorSource();
  if (const std::optional<CursorPoint> now = cursor_->CursorPosition()) model_->StartTravelAt(*now);
  const HWND page = m_hWnd;
  sampler_ = std::make_unique<DistanceSampler>(*cursor_, sleeper_, [page] { ::PostMessageW(page, msg::kCursorSample, 0, 0); });
  sampler_->Start();
}

void CDlgSts::StopSampler() {
  if (sampler_) sampler_->Stop();
}

void CDlgSts::SaveStatistics() {
  if (model_) (void)model_->Save();
}

void CDlgSts::OnDestroy() {
  StopSampler();
  KillTimer(kStatisticsTimerId);
  SaveStatistics();
}

bool CDlgSts::OnUserMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (!model_) return false;
  if (msg == msg::kCountMouseEvent) {
    if (model_->OnMouseEvent(static_cast<std::uint32_t>(wp))) {
      const RECT column = ToRect(sp::kNumberColumn);
      ::InvalidateRect(m_hWnd, &column, FALSE);
    }
  } else if (msg == msg::kCursorSample) {
    if (sampler_) model_->OnCursorSample(sampler_->Latest());
  } else {
    return false;
  }
  result = 0;
  return true;
}

bool CDlgSts::OnTimer(UINT_PTR id) {
  if (id != kStatisticsTimerId || !model_) return false;
  const RECT distance = ToRect(sp::kDistanceRepaint);
  ::InvalidateRect(m_hWnd, &distance, FALSE);
  (void)model_->OnTimer();
  return true;
}

bool CDlgSts::OnPaint() {
  BufferedPaint paint(m_hWnd);
  if (NormalPicture()) DrawBitmap(paint.get(), paint.Client(), NormalPicture(), POINT{0, 0});
  // Nothing is composed before the controls exist, so their first display loads the pictures.
  if (!model_ || !trophy_) return true;
  const StatisticsDisplay display = model_->Compose();
  SelectInDC font(paint.get(), ButtonCaptionFont());
  SetBkMode(paint.get(), TRANSPARENT);
  SetTextColor(paint.get(), sp::kValueText.ToColorRef());
  for (int i = 0; i < sp::kValueCount; ++i) {
    RECT box = ToRect(sp::ValueBox(i, Chinese()));
    DrawTextW(paint.get(), Wide(display.texts[static_cast<std::size_t>(i)]), -1, &box,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  ShowStrip(display.strip_width);
  if (display.level_changed) {
    ShowLevel(display.level);
    Invalidate();
  }
  return true;
}

void CDlgSts::ShowLevel(int level) {
  if (!trophy_) return;
  Bitmap picture;
  SIZE size{};
  // One picture for every state (a button without the others draws its
  // normal one); a missing picture leaves the trophy as it was.
  if (LoadPictureFile(TrophyPicturePath(Context().store.install_folder, level), picture, size)) {
    trophy_->SetPictures(std::move(picture), {}, {}, {});
  }
  for (int i = 0; i < kTrophyLevels; ++i) icons_[static_cast<std::size_t>(i)]->SetLatched(i <= level);
}

void CDlgSts::ShowStrip(int width) {
  if (!strip_) return;
  if (strip_->GetClientRect().right == width) return;
  ::SetWindowPos(strip_->GetSafeHwnd(), nullptr, 0, 0, width, sp::kStripHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgSts::OnReset() {
  if (model_ && model_->Reset(Context().store.ui_is_chinese)) Invalidate();
}

bool CDlgSts::OnMouseMove(UINT, POINT point) {
  const HintArea areas[] = {{PageRectOf(sp::kTrophyPicture), kTrophyHint}, {PageRectOf(sp::kResetButton), kResetHint}};
  for (const int hint : HintsAt(areas, PagePoint{point.x, point.y})) ::PostMessageW(GetParent(), msg::kShowHint, 0, hint);
  return true;
}

}  // namespace zk40
