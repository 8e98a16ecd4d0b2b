#include "app/driver/ZK40SDriverDlg_win32.h"

#include <shellapi.h>

#include <iterator>

#include "app/driver/HintLine_win32.h"
#include "device/FirmwareVersion.h"
#include "device/UpdateDescription.h"
#include "framework/BufferedPaint.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguageLoader.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "settings/ProfileDefaults.h"
#include "shell/ApplicationStart.h"
#include "shell/HintTexts.h"
#include "shell/HostAction.h"
#include "shell/HostInputHooks_win32.h"
#include "shell/LanguageSwitch.h"
#include "shell/MainWindowRules.h"
#include "skin/MenuEx_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace main = layout::main_window;

// The first language of an install that is not Chinese.
constexpr int kEnglishLanguage = 2;
constexpr UINT_PTR kUpdaterTimer = 4;
constexpr UINT kUpdaterDelayMs = 3000;
// What the first look of the window does not need (the tray icon, the hidden
// pages' backgrounds) is done a step at a tick of this timer, each step only
// once no window of the program waits to be painted, so that the window and
// its pages are drawn first.
constexpr UINT_PTR kRestOfStartTimer = 6;
constexpr UINT kRestOfStartMs = 10;
// A window that keeps asking to be painted holds a step up this many ticks at most.
constexpr int kMostPaintWaits = 50;
constexpr DWORD kCloseWaitMs = 500;

RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

CZK40SDriverDlg::CZK40SDriverDlg(const DriverContext& context)
    : CDialog(IDD_MAIN, nullptr),
      context_(context),
      notices_(context.store),
      profiles_(context.store, context.fs, notices_, context.strings, *this),
      macros_(context.store, context.fs, notices_, context.strings, clock_),
      pages_{context.store, context.strings, context.xml,    context.fs, context.hooks, notices_,
             macros_,       profiles_,       clock_,         launcher_,  keyboard_},
      buttons_page_(this, pages_),
      lighting_(this, pages_),
      macro_(this, pages_),
      statistics_(this, pages_),
      support_(this, pages_) {}

CZK40SDriverDlg::~CZK40SDriverDlg() {
  if (icon_) DestroyIcon(icon_);
  if (small_icon_) DestroyIcon(small_icon_);
}

bool CZK40SDriverDlg::OnInitDialog() {
  SettingsStore& store = context_.store;
  notices_.SetOwner(m_hWnd);
  // 1. Icons.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(layout::kApplicationIcon), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  small_icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(layout::kApplicationIcon), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
  // 2. First run: the data folder from the factory files.
  profiles_.CopyFactoryDataFiles();
  // 3. The install's language.
  LoadFirstLanguage();
  // 4. Title; the window is the main window of the process from here on.
  SetWindowText(kMainWindowTitle);
  // 5. Macros.
  (void)macros_.Load();
  // 6, 7. Controls, pages; 8, the tray icon, comes after the first paint.
  CreateControls();
  pages_created_ = CreatePages();
  // 9. Profile table and current profile.
  profiles_.LoadProfileIndex();
  // 10. Arrivals and removals of USB devices.
  (void)notification_.Register(m_hWnd);
  // 11, 12. The macro list, and the bound macro ids of the current profile.
  macro_.FillMacroList();
  store.TakeBoundMacroIdsFromCurrentEntry();
  // 13. The flag control's place (created there already).
  ::MoveWindow(GetDlgItem(main::kFlagControlId), main::kFlagControl.left, main::kFlagControl.top,
               main::kFlagControl.right - main::kFlagControl.left, main::kFlagControl.bottom - main::kFlagControl.top,
               TRUE);
  // 14. The saved language, once the message loop runs.
  PostMessage(msg::kApplyLanguage, kLanguageFromStartup, profiles_.LoadLanguageNumber());
  // 15. The mouse.
  ProbeDevice();
  SetTimer(kRestOfStartTimer, kRestOfStartMs);
  return false;
}

bool CZK40SDriverDlg::FinishStartStep() {
  if (closing_) return false;
  if (!tray_added_) {
    tray_added_ = true;
    (void)tray_.Add(m_hWnd, small_icon_ ? small_icon_ : icon_);
    return true;
  }
  // A page loads its background by itself should it be shown before this.
  CSkinPage* hidden[] = {&lighting_, &macro_, &statistics_, &support_};
  if (backgrounds_loaded_ == std::size(hidden)) return false;
  hidden[backgrounds_loaded_++]->LoadBackground();
  return backgrounds_loaded_ < std::size(hidden);
}

void CZK40SDriverDlg::LoadFirstLanguage() {
  SettingsStore& store = context_.store;
  const std::u16string ini = skin::SkinPath(store.install_folder, layout::kLanguageTypeFile);
  const int value = static_cast<int>(GetPrivateProfileIntW(L"languagetype", L"value", 0, Wide(ini)));
  const int language = value == 1 ? kSimplifiedChineseLanguage : kEnglishLanguage;
  store.ui_is_chinese = store.install_is_chinese = value == 1 ? 1 : 0;
  LoadLanguageFile(context_.xml, LanguageFilePath(store.install_folder, language), context_.strings);
  flag_language_ = language;
}

void CZK40SDriverDlg::CreateControls() {
  const std::u16string& folder = context_.store.install_folder;
  SIZE size{};
  (void)LoadPictureFile(skin::SkinPath(folder, layout::kMainWindowSkin.normal), skin_normal_, size);
  (void)LoadPictureFile(skin::SkinPath(folder, layout::kMainWindowSkin.over), skin_over_, size);
  (void)LoadPictureFile(skin::SkinPath(folder, layout::kMainWindowSkin.down), skin_down_, size);
  // The window has the skin's size, centred in the work area.
  const int width = size.cx > 0 ? size.cx : main::kSize.width;
  const int height = size.cy > 0 ? size.cy : main::kSize.height;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  MainWindowActions actions;
  actions.minimize = [this] {
    ShowWindow(SW_MINIMIZE);
    ResetHookReporting();
  };
  actions.hide = [this] { HideToTray(); };
  actions.language = [this] { OpenLanguagePopup(); };
  actions.tab = [this](int tab) { SelectTab(tab); };
  actions.profile = [this](int profile) { SelectProfile(profile); };
  actions.apply = [this] { OnApply(); };
  buttons_.Create(*this, skin_normal_.get(), skin_over_.get(), skin_down_.get(), context_.store.ui_is_chinese == 1,
                  actions);
  // The title buttons hold their own cuts now; only the background stays.
  skin_over_.Reset();
  skin_down_.Reset();
  buttons_.ShowFlag(flag_language_);
  buttons_.SetCaptions(context_.strings);
}

bool CZK40SDriverDlg::CreatePages() {
  const std::u16string& folder = context_.store.install_folder;
  bool all = true;
  for (CSkinPage* page : std::initializer_list<CSkinPage*>{&buttons_page_, &lighting_, &macro_, &statistics_, &support_}) {
    all = page->CreatePage(folder, page == &buttons_page_) && all;
  }
  // Only the button page shows, under tab 1.
  buttons_page_.ShowWindow(SW_SHOW);
  buttons_.ShowTabSelected(1);
  return all;
}

void CZK40SDriverDlg::ProbeDevice() {
  device_ = std::make_unique<DriverDevice>(context_.store, context_.hooks, static_cast<PresenceWindow&>(*this),
                                           static_cast<CountdownNotifier&>(notices_));
  const ProbeOutcome outcome = device_->Probe(m_hWnd);
  SettingsStore& store = context_.store;
  switch (outcome) {
    case ProbeOutcome::no_hid_support:
      return;
    case ProbeOutcome::update_mode: {
      OpenFlasher(FlasherPath(store.install_folder), store.ui_is_chinese == 1 ? u"1" : u"0");
      PostMessage(WM_CLOSE);
      return;
    }
    case ProbeOutcome::mouse_opened:
      RefreshPages();
      StartWithMouse();
      return;
    case ProbeOutcome::mouse_not_found:
      RefreshPages();
      notices_.ShowCountdownNotice(MouseLostText(store.ui_is_chinese));
      PostMessage(WM_CLOSE);
      return;
  }
}

void CZK40SDriverDlg::StartWithMouse() {
  device_->StartWorker();
  device_->StartUpdateChecker(FirmwareUpdateArgs{context_.store.install_folder, UpdateServerOfThisRun()}, context_.fs,
                              context_.xml, notices_, static_cast<UpdateHost&>(*this));
  support_.SetUpdateCheck(device_->update_checker());
  (void)device_->presence().RefreshFirmwareVersion();
  ShowWindow(SW_SHOW);
  SetForegroundWindow(m_hWnd);
  ::BringWindowToTop(m_hWnd);
  InstallHooks();
  context_.hooks.SetStatisticsReporting(1);
  SetTimer(kUpdaterTimer, kUpdaterDelayMs);
  SetWindowLongW(m_hWnd, GWL_STYLE, GetWindowLongW(m_hWnd, GWL_STYLE) | WS_MINIMIZEBOX);
}

// ---- Controls ----

void CZK40SDriverDlg::SelectTab(int tab) {
  const TabView view = TabViewFor(tab);
  if (view.leaves_macro_page) {
    CloseGameMenu();
    if (macro_.IsRecording()) macro_.StopRecording();
  }
  buttons_.ShowTabSelected(view.visible_page);
  CSkinPage* pages[kTabCount] = {&buttons_page_, &lighting_, &macro_, &statistics_, &support_};
  for (int i = 0; i < kTabCount; ++i) {
    pages[i]->ShowWindow(i + 1 == view.visible_page ? SW_SHOW : SW_HIDE);
  }
  buttons_.EnableProfilesAndApply(view.profiles_enabled);
  if (view.visible_page == 1) buttons_page_.Refresh();
  if (view.visible_page == 2) {
    lighting_.Invalidate(true);
    lighting_.Refresh();
  }
}

void CZK40SDriverDlg::SelectProfile(int profile) {
  for (int k = 1; k <= 5; ++k) buttons_.ShowProfileSelected(k, k == profile);
  profiles_.SwitchProfile(profile - 1);
}

void CZK40SDriverDlg::OnApply() {
  macro_.CommitLoopCount();
  if (context_.store.current_record.wheel_lines != -1) buttons_page_.CommitWheelLines();
  if (device_ && device_->UploadReady()) StartUpload();
  buttons_.ShowApplyNotPressed();
}

void CZK40SDriverDlg::StartUpload() {
  // Without a worker nothing would ever close the progress: nothing opens.
  if (!device_ || !device_->WorkerRunning()) return;
  // The worker is woken once the dialog's window exists, so that its first
  // progress report has a window to go to.
  (void)progress_.RunModal(m_hWnd, context_.store, [this](HWND window) {
    device_->SetProgressWindow(window);
    (void)device_->RequestUpload();
  });
  device_->SetProgressWindow(nullptr);
}

void CZK40SDriverDlg::OpenLanguagePopup() {
  if (language_popup_) return;
  const RECT button = CWnd::FromHandle(buttons_.LanguageButton())->GetWindowRect();
  auto* popup = new CMenuExA();
  popup->SetFramePicture(layout::kPopupFramePng);
  const RECT at{button.left - main::kLanguagePopupLeftOffset, button.bottom - main::kLanguagePopupRise,
                button.left - main::kLanguagePopupLeftOffset, button.bottom - main::kLanguagePopupRise};
  if (!popup->Create(m_hWnd, at, msg::kApplyLanguage)) {
    delete popup;
    return;
  }
  popup->ShowWindow(SW_SHOW);
  language_popup_ = popup;
}

void CZK40SDriverDlg::ShowFromTray() {
  RefreshPages();
  ShowWindow(SW_SHOW);
  if (IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
  SetForegroundWindow(m_hWnd);
}

void CZK40SDriverDlg::HideToTray() {
  CloseGameMenu();
  ShowWindow(SW_HIDE);
  ResetHookReporting();
}

void CZK40SDriverDlg::ResetHookReporting() {
  context_.hooks.SetRecorderReporting(0, 0);
  context_.hooks.SetHookTarget(ToWindowId(m_hWnd));
}

void CZK40SDriverDlg::CloseGameMenu() {
  // The game menu library is loaded by the macro page only while it shows a menu.
  if (HMODULE library = GetModuleHandleW(L"MenuEx.dll")) {
    using DestroyMenuEx = void(WINAPI*)();
    if (auto destroy = reinterpret_cast<DestroyMenuEx>(reinterpret_cast<void*>(GetProcAddress(library, "DestroyMenuEx")))) {
      destroy();
    }
  }
}

// ---- Messages ----

bool CZK40SDriverDlg::PreTranslateMessage(MSG& msg) {
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
    HideToTray();
    return true;
  }
  if (IsDroppedDialogKey(msg)) return true;
  return CDialog::PreTranslateMessage(msg);
}

bool CZK40SDriverDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_DEVICECHANGE:
      if (device_) {
        result = zk40::OnDeviceChange(device_->presence(), wp, lp);
      } else {
        result = TRUE;
      }
      return true;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession(result, wp, lp);
    default:
      return CDialog::OnMessage(msg, wp, lp, result);
  }
}

bool CZK40SDriverDlg::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case msg::kApplyLanguage: OnApplyLanguage(wp, lp); return true;
    case msg::kTrayIcon: OnTrayIcon(lp); return true;
    case msg::kUploadFinished: OnUploadFinished(); return true;
    case msg::kUploadFailed: OnUploadFailed(lp); return true;
    case msg::kHostMouseEvent: OnHostMouseEvent(wp); return true;
    case msg::kShowHint: OnShowHint(lp); return true;
    case msg::kRestoreDefaults: OnRestoreDefaults(); return true;
    default: return false;
  }
}

bool CZK40SDriverDlg::OnCommand(int id, int code, HWND control) {
  if (id == static_cast<int>(kTrayConfigCommand)) {
    ShowFromTray();
    return true;
  }
  if (id == static_cast<int>(kTrayExitCommand)) {
    PostMessage(WM_CLOSE);
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CZK40SDriverDlg::OnApplyLanguage(WPARAM wp, LPARAM lp) {
  const LanguageSwitchPlan plan = DecideLanguageSwitch(wp, lp, language_popup_ != nullptr);
  if (plan.kind == LanguageSwitchPlan::Kind::menu_closed) language_popup_ = nullptr;
  if (plan.kind != LanguageSwitchPlan::Kind::apply) return;
  SettingsStore& store = context_.store;
  store.ui_is_chinese = plan.ui_is_chinese;
  if (plan.load_language != 0) {
    LoadLanguageFile(context_.xml, LanguageFilePath(store.install_folder, plan.load_language), context_.strings);
    flag_language_ = plan.load_language;
    buttons_.ShowFlag(plan.load_language);
  }
  profiles_.SaveLanguageNumber(plan.save_number);
  SetCaptions();
  if (plan.close_menu) {
    // The popup deletes itself once its window is gone.
    if (language_popup_ && ::IsWindow(language_popup_->GetSafeHwnd())) language_popup_->PostMessage(WM_CLOSE);
    language_popup_ = nullptr;
  }
}

void CZK40SDriverDlg::SetCaptions() {
  buttons_.SetCaptions(context_.strings);
  for (CSkinPage* page : std::initializer_list<CSkinPage*>{&lighting_, &macro_, &buttons_page_, &statistics_, &support_}) {
    page->SetCaptions();
  }
  InvalidateHint();
}

void CZK40SDriverDlg::OnUploadFinished() {
  // Progress 100 closes the progress dialog by itself, half a second later.
  profiles_.SaveCurrentProfile();
  device_->SetUploadReady();
}

void CZK40SDriverDlg::OnUploadFailed(LPARAM errorIndex) {
  // The progress would wait for a 100 that never comes: it closes first.
  progress_.Close();
  (void)notices_.ShowNotice(UploadFailedText(static_cast<long>(errorIndex)), false);
  device_->SetUploadReady();
  buttons_.ShowApplyNotPressed();
}

void CZK40SDriverDlg::OnRestoreDefaults() {
  SettingsStore& store = context_.store;
  FillProfileDefaults(store.current_record, store.ui_is_chinese == 1);
  store.bound_macro_ids.fill(0);
  RefreshPages();
  if (device_ && device_->UploadReady()) StartUpload();
}

void CZK40SDriverDlg::OnHostMouseEvent(WPARAM code) {
  (void)ExecuteHostAction(static_cast<std::uint32_t>(code), context_.store.current_record, launcher_);
  if (statistics_.GetSafeHwnd()) statistics_.SendMessage(msg::kCountMouseEvent, code, 0);
}

void CZK40SDriverDlg::OnShowHint(LPARAM hint) {
  hint_ = HintText(context_.strings, static_cast<int>(hint));
  InvalidateHint();
}

void CZK40SDriverDlg::InvalidateHint() {
  const RECT hint = ToRect(main::kHintLine);
  ::InvalidateRect(m_hWnd, &hint, FALSE);
}

void CZK40SDriverDlg::OnTrayIcon(LPARAM mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    ShowFromTray();
  } else if (mouseMessage == WM_RBUTTONUP) {
    TrayIcon::ShowMenu(m_hWnd);
  }
}

bool CZK40SDriverDlg::OnQueryEndSession(LRESULT& result, WPARAM wp, LPARAM lp) {
  // The answer the dialog manager would give (it hands the message to the
  // default window procedure); a dialog's Default() has none to give.
  const LRESULT allowed = ::DefWindowProcW(m_hWnd, WM_QUERYENDSESSION, wp, lp);
  if (allowed) statistics_.SaveStatistics();
  result = TRUE;
  return true;
}

bool CZK40SDriverDlg::OnPaint() {
  PaintDC dc(m_hWnd);
  if (skin_normal_) DrawBitmap(dc.get(), GetClientRect(), skin_normal_.get(), POINT{0, 0});
  if (!hint_.empty()) DrawHintText(dc.get(), hint_);
  return true;
}

bool CZK40SDriverDlg::OnLButtonDown(UINT, POINT point) {
  ReleaseCapture();
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
  return true;
}

bool CZK40SDriverDlg::OnMouseMove(UINT, POINT point) {
  if (!hint_.empty()) {
    hint_.clear();
    InvalidateHint();
  }
  if (const auto hint = buttons_.HintAt(point)) PostMessage(msg::kShowHint, 0, *hint);
  return true;
}

bool CZK40SDriverDlg::OnTimer(UINT_PTR id) {
  if (id == kRestOfStartTimer) {
    const bool painting = (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0;
    if (painting && ++paint_waits_ < kMostPaintWaits) return true;
    paint_waits_ = 0;
    if (!FinishStartStep()) KillTimer(kRestOfStartTimer);
    return true;
  }
  if (id != kUpdaterTimer) return false;
  KillTimer(kUpdaterTimer);
  launcher_.ShellOpen(context_.store.install_folder + u"\\ostrel_update\\OstrelUpdate.exe");
  return true;
}

bool CZK40SDriverDlg::OnClose() {
  if (closing_) return true;
  closing_ = true;
  tray_.Remove();
  // The pages go in their order.
  buttons_page_.DestroyWindow();
  lighting_.DestroyWindow();
  macro_.DestroyWindow();
  statistics_.DestroyWindow();
  support_.DestroyWindow();
  RemoveHooks();
  if (device_) device_->Shutdown();
  Sleep(kCloseWaitMs);
  EndDialog(IDOK);
  return true;
}

// ---- ProfileView and PresenceWindow ----

void CZK40SDriverDlg::ShowProfileSelected(int profile, bool selected) { buttons_.ShowProfileSelected(profile, selected); }

void CZK40SDriverDlg::RefreshPages() {
  buttons_page_.Refresh();
  lighting_.Refresh();
}

void CZK40SDriverDlg::SetUploadReadyQuietly() {
  device_->SetUploadReady();
  buttons_.ShowApplyNotPressed();
}

void CZK40SDriverDlg::SetFirmwareText(const std::u16string& text) {
  support_.SetFirmwareText(text);
  if (FirmwareUpdate* checker = device_ ? device_->update_checker() : nullptr) checker->SetFirmwareText(text);
}

void CZK40SDriverDlg::OpenFlasher(const std::u16string& program, const std::u16string& parameter) {
  ShellExecuteW(nullptr, L"open", Wide(program), Wide(parameter), nullptr, SW_SHOWNORMAL);
}

void CZK40SDriverDlg::InstallHooks() { (void)HostInputHooks::InstallHooks(context_.hooks, m_hWnd); }

void CZK40SDriverDlg::RemoveHooks() { HostInputHooks::RemoveHooks(); }

}  // namespace zk40
