#pragma once
// An emulated ZK40 behind the HidSystem interface: it lists the mouse's HID
// interface, answers the version query, takes every command report and data
// block of the protocol and keeps the state they leave on the mouse, and logs
// every transfer with the time it happened. On request it rejects a command,
// stops answering after some transfers (as if unplugged) or answers output
// writes with "pending".

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/HidSystem.h"

namespace zk40 {

// One interface as the emulated system lists it. Every interface leads to the
// same emulated mouse; the fault switches make the link's checks fail.
struct EmulatedInterface {
  std::u16string path;
  HidAttributes attributes;
  std::vector<HidValueCaps> caps;
  bool query_opens = true;
  bool attributes_answer = true;
  bool caps_answer = true;
  bool read_opens = true;
  bool write_opens = true;
};

// The ZK40's own interface: one feature value capability, usage page 0xFF01,
// usage 0x22, report id 5, 64 bytes.
EmulatedInterface Zk40Interface(std::u16string path = u"\\\\?\\hid#vid_3e7a&pid_6d3b#emulated#{4d1e55b2-f16f-11cf-88cb-001111000030}");

enum class TransferKind { set_feature, get_feature, output };

struct TransferRecord {
  TransferKind kind;
  std::uint64_t time_ms;
  std::vector<std::uint8_t> bytes;  // as sent; for get_feature, as answered
  bool accepted;
};

// What the commands left on the mouse; nothing for what was never written.
struct MouseState {
  std::optional<std::array<std::uint8_t, 64>> key_matrix;
  std::optional<std::array<std::uint8_t, 16>> dpi_block;
  std::optional<int> dpi_select;
  std::optional<std::array<std::uint8_t, 3>> colour;  // green, red, blue as sent
  std::optional<std::array<std::uint8_t, 3>> effect;  // effect, level, variant
  std::optional<bool> touch_sensing;
  std::optional<int> report_interval;
  std::map<int, std::array<std::uint8_t, 512>> macros;  // by slot
};

class EmulatedMouse final : public HidSystem {
 public:
  EmulatedMouse(Clock& clock, Sleeper& sleeper);
  ~EmulatedMouse() override;

  // The listed interfaces, the ZK40's alone at first; change before opening.
  std::vector<EmulatedInterface> interfaces;

  void SetFirmwareVersion(std::uint8_t tens, std::uint8_t units);
  // Rejects the first command report whose bytes after the report id begin with prefix.
  void RejectFeatureStartingWith(std::vector<std::uint8_t> prefix);
  // Transfers 1..n work; every later one fails.
  void UnplugAfter(std::size_t transfers);
  // Output writes report "pending"; they complete after completionMs, or never.
  void AnswerWritesPending(std::optional<std::uint32_t> completionMs);

  std::vector<TransferRecord> Transfers() const;
  std::size_t TransferCount() const;
  MouseState State() const;
  // The state in plain text: key-matrix slots decoded, DPI stages in DPI,
  // lighting, touch sensing, report interval, macros as key presses and waits.
  std::string DescribeState() const;
  // Every successful open, in order.
  std::vector<std::pair<std::u16string, HidAccess>> Opens() const;
  int OpenHandles() const;

  bool EnumerateInterfaces(std::vector<std::u16string>& paths) override;
  std::unique_ptr<HidDevice> Open(const std::u16string& path, HidAccess access) override;

 private:
  class Handle;
  friend class Handle;

  // The report format of the interface a handle was opened on.
  struct ReportFormat {
    std::uint8_t report_id = 0;
    std::size_t feature_size = 0;  // 0: the interface has no protocol report
  };
  static ReportFormat FormatOf(const EmulatedInterface& itf);

  bool OnSetFeature(const ReportFormat& format, std::span<const std::uint8_t> report);
  bool OnGetFeature(const ReportFormat& format, std::span<std::uint8_t> report);
  HidWriteStatus OnWriteOutput(const ReportFormat& format, std::span<const std::uint8_t> report);
  bool OnWaitPending(std::uint32_t timeoutMs);
  void OnCancelWrites();
  void OnClose();

  bool TakeTransfer();  // false once unplugged
  void Log(TransferKind kind, std::span<const std::uint8_t> bytes, bool accepted);
  void RunCommand(std::span<const std::uint8_t> report);
  void TakePayload(std::span<const std::uint8_t> data);

  Clock& clock_;
  Sleeper& sleeper_;
  mutable std::mutex mutex_;
  std::uint8_t version_[2] = {1, 7};
  std::optional<std::vector<std::uint8_t>> reject_prefix_;
  std::optional<std::size_t> unplug_after_;
  bool pending_writes_ = false;
  std::atomic<bool> writes_cancelled_{false};
  std::optional<std::uint32_t> pending_completion_ms_;
  std::size_t transfers_ = 0;
  std::vector<TransferRecord> log_;
  std::vector<std::pair<std::u16string, HidAccess>> opens_;
  int open_handles_ = 0;
  std::vector<std::uint8_t> reply_;
  MouseState state_;

  // The command whose data blocks are expected next.
  struct Payload {
    std::uint8_t command;
    int slot;
    std::size_t length;
    std::vector<std::uint8_t> data;
  };
  std::optional<Payload> payload_;
};

}  // namespace zk40
