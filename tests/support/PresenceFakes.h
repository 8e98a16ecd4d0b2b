#pragma once
// Stand-ins for what presence drives: the main window, the countdown notice
// and the retry timer. The window and the notice write into one log, so a
// test sees the order of everything presence did.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/Presence.h"
#include "platform/Utf16Text.h"

namespace zk40::test {

class RecordingPresenceWindow final : public PresenceWindow, public CountdownNotifier {
 public:
  std::vector<std::string> log;
  bool upload_ready = true;
  std::u16string firmware_text = u"unset";

  bool UploadReady() override { return upload_ready; }
  void SetUploadReadyQuietly() override {
    upload_ready = true;
    log.push_back("ready");
  }
  void SetFirmwareText(const std::u16string& text) override {
    firmware_text = text;
    log.push_back("firmware " + Utf16ToUtf8(text));
  }
  void InstallHooks() override { log.push_back("install hooks"); }
  std::function<void()> on_remove_hooks;  // called as the hooks go
  void RemoveHooks() override {
    log.push_back("remove hooks");
    if (on_remove_hooks) on_remove_hooks();
  }
  void PostClose() override { log.push_back("close"); }
  void ShowCountdownNotice(const std::u16string& text) override { log.push_back("notice " + Utf16ToUtf8(text)); }
};

// Ticks only when the test says so.
class ManualTimer final : public RepeatingTimer {
 public:
  bool refuse = false;
  bool running = false;
  std::uint32_t period_ms = 0;
  int starts = 0;

  bool Start(std::uint32_t periodMs, std::function<void()> tick) override {
    ++starts;
    if (refuse) return false;
    running = true;
    period_ms = periodMs;
    tick_ = std::move(tick);
    return true;
  }
  void Stop() override { running = false; }
  void Tick() {
    if (running) tick_();
  }

 private:
  std::function<void()> tick_;
};

}  // namespace zk40::test
