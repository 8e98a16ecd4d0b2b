#pragma once
// Fakes for the firmware update check, safe to use from the checker thread
// and the test's thread at once.

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/FirmwareUpdate.h"
#include "platform/Utf16Text.h"

namespace zk40::test {

// Keeps every event as a line of text, in order.
class EventLog {
 public:
  void Add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Notices become "notice TEXT" and "ask TEXT"; questions get the set reply.
class LoggingNotifier final : public UserNotifier {
 public:
  explicit LoggingNotifier(EventLog& log) : log_(log) {}
  bool ShowNotice(const std::u16string& text, bool withCancel) override {
    log_.Add((withCancel ? "ask " : "notice ") + Utf16ToUtf8(text));
    return reply.load();
  }
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override {
    log_.Add("box " + Utf16ToUtf8(caption) + ": " + Utf16ToUtf8(text));
  }
  std::atomic<bool> reply{true};

 private:
  EventLog& log_;
};

class LoggingUpdateHost final : public UpdateHost {
 public:
  explicit LoggingUpdateHost(EventLog& log) : log_(log) {}
  void StartAnswerTimer(std::uint32_t ms) override { log_.Add("timer " + std::to_string(ms)); }
  void KillAnswerTimer() override { log_.Add("kill timer"); }
  void OpenFlasher(const std::u16string& program, const std::u16string& parameter) override {
    log_.Add("open " + Utf16ToUtf8(program) + " " + Utf16ToUtf8(parameter));
  }
  void CloseProgram() override { log_.Add("close"); }

 private:
  EventLog& log_;
};

// Waits up to the timeout for the condition; true when it held.
inline bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace zk40::test
