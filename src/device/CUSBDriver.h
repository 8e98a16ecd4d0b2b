#pragma once
// The one link to the mouse: finds it among the HID interfaces, holds a read
// and a write handle to it, and sends the command reports and data blocks of
// the protocol with the protocol's fixed waits. It moves bytes only; what
// they mean is the protocol's (src/protocol).
//
// The user-interface thread (open, close, version query) and the upload
// worker share the link. One exchange at a time holds it, a command report
// with its data blocks or its reply and the waits between them, so that
// exchanges never interleave. Nothing holds the link while a report is in the
// system or while a wait runs, and the user-interface thread never waits for
// another thread's exchange:
//  - Closing (or reopening) ends the link's open period at once. Every later
//    transfer and wait of an exchange or session begun in it fails without
//    waiting, and its pending writes are cancelled.
//  - The version query, the user-interface thread's exchange, fails at once
//    while another exchange holds the link.

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

#include "platform/Clock.h"
#include "platform/HidSystem.h"
#include "protocol/DeviceCommands.h"

namespace zk40 {

inline constexpr std::uint16_t kZk40VendorId = 0x3E7A;
inline constexpr std::uint16_t kZk40ProductId = 0x6D3B;
// The feature value capability that carries the protocol.
inline constexpr std::uint16_t kProtocolUsagePage = 0xFF01;
inline constexpr std::uint16_t kProtocolUsage = 0x22;

inline constexpr std::size_t kReportBufferSize = 255;
// A feature transfer is report length + 1 bytes and must fit the buffers.
inline constexpr std::uint32_t kMaxReportLength = kReportBufferSize - 1;
inline constexpr std::size_t kDataBlockSize = 32;
inline constexpr std::size_t kOutputReportSize = kDataBlockSize + 1;

// The protocol's waits, in milliseconds.
inline constexpr std::uint32_t kBlockWaitMs = 50;         // before and after each data block
inline constexpr std::uint32_t kVersionReplyWaitMs = 50;  // between the query and reading the reply
inline constexpr std::uint32_t kDpiBlockWaitMs = 50;      // around the DPI data report
inline constexpr std::uint32_t kPayloadWaitMs = 100;      // key matrix or macro command before its blocks
inline constexpr std::uint32_t kPendingWriteTimeoutMs = 1500;
// The link's waits run in steps at most this long, so that a close ends them
// soon; most protocol waits are one step, so the steps cost no extra time.
inline constexpr std::uint32_t kWaitStepMs = 50;
// How long an exchange waits for another exchange of the same open period
// (only the version query, a few reports long) before it gives up.
inline constexpr std::uint32_t kExchangeQueueLimitMs = 5000;

class CUSBDriver;

// A run of exchanges on the link as it was open when the session began. The
// upload runs as one session, so that once the link was closed none of its
// remaining transfers and waits reaches a mouse opened again meanwhile.
class LinkSession {
 public:
  // The link is still open as it was when the session began.
  [[nodiscard]] bool Valid() const;
  // Waits ms, a wait of the caller's own between commands. False (at once)
  // when the link was closed before or during the wait.
  [[nodiscard]] bool Wait(std::uint32_t ms);

  // One command report: bytes 1..5 from command, the report id in byte 0,
  // every later byte 0, report length + 1 bytes sent. True when accepted.
  [[nodiscard]] bool SendFeature(const CommandBytes& command);
  // Sends data (a multiple of 32 bytes) as 33-byte output reports. A failed
  // block does not stop the transfer, but the transfer then failed.
  [[nodiscard]] bool WriteBlocks(std::span<const std::uint8_t> data);

  // The commands of the protocol; true when the command report was accepted
  // and, where data follows, every data report went out.
  // The version, when the mouse answered the query. Never waits for another
  // exchange: while one holds the link there is no answer.
  [[nodiscard]] std::optional<int> GetFirmwareVersion();
  [[nodiscard]] bool SetReportInterval(int interval);
  [[nodiscard]] bool SetDpiSelect(int stages);
  [[nodiscard]] bool SetLedColor(std::uint32_t colour);
  [[nodiscard]] bool SetLedEffect(int effect, int level, int variant);
  // ledEffect is the lighting effect of the current settings at the time of the call.
  [[nodiscard]] bool SetTouchSensing(int on, int ledEffect);
  [[nodiscard]] bool SetDpiTable(DpiBlockView block);
  [[nodiscard]] bool WriteKeyMatrix(KeyMatrixView matrix);
  // An encoded macro into slot; only slots 0..7 are sent (false otherwise).
  [[nodiscard]] bool WriteMacro(int slot, MacroBlockView block);

 private:
  friend class CUSBDriver;
  class Exchange;
  LinkSession(CUSBDriver& link, std::uint64_t period) : link_(link), period_(period) {}

  // The parts of an exchange, for the session that holds the link.
  bool Send(const CommandBytes& command);
  bool Read(std::array<std::uint8_t, kReportBufferSize>& reply, std::size_t& size);
  bool Blocks(std::span<const std::uint8_t> data);
  bool Output(std::span<const std::uint8_t> report);
  // A command report alone, as one exchange.
  bool Command(const CommandBytes& command);
  // A command report whose payload follows after firstWait, as one exchange.
  bool CommandWithBlocks(const CommandBytes& command, std::uint32_t firstWait, std::span<const std::uint8_t> data);

  CUSBDriver& link_;
  std::uint64_t period_;
};

class CUSBDriver {
 public:
  CUSBDriver(HidSystem& hid, Sleeper& sleeper);
  ~CUSBDriver();
  CUSBDriver(const CUSBDriver&) = delete;
  CUSBDriver& operator=(const CUSBDriver&) = delete;

  // Closes what is open, then takes the first interface of the mouse that
  // carries the protocol's feature report. True when both handles are open.
  [[nodiscard]] bool OpenDevice();
  void CloseDevice();
  [[nodiscard]] bool IsOpen() const;

  // A session on the link as it is open now.
  [[nodiscard]] LinkSession Session() { return LinkSession(*this, Period()); }

  // One exchange each, on the link as it is open now (see LinkSession).
  [[nodiscard]] bool SendFeature(const CommandBytes& command) { return Session().SendFeature(command); }
  [[nodiscard]] bool WriteBlocks(std::span<const std::uint8_t> data) { return Session().WriteBlocks(data); }
  [[nodiscard]] std::optional<int> GetFirmwareVersion() { return Session().GetFirmwareVersion(); }
  [[nodiscard]] bool SetReportInterval(int interval) { return Session().SetReportInterval(interval); }
  [[nodiscard]] bool SetDpiSelect(int stages) { return Session().SetDpiSelect(stages); }
  [[nodiscard]] bool SetLedColor(std::uint32_t colour) { return Session().SetLedColor(colour); }
  [[nodiscard]] bool SetLedEffect(int effect, int level, int variant) {
    return Session().SetLedEffect(effect, level, variant);
  }
  [[nodiscard]] bool SetTouchSensing(int on, int ledEffect) { return Session().SetTouchSensing(on, ledEffect); }
  [[nodiscard]] bool SetDpiTable(DpiBlockView block) { return Session().SetDpiTable(block); }
  [[nodiscard]] bool WriteKeyMatrix(KeyMatrixView matrix) { return Session().WriteKeyMatrix(matrix); }
  [[nodiscard]] bool WriteMacro(int slot, MacroBlockView block) { return Session().WriteMacro(slot, block); }

  std::uint8_t ReportId() const;
  std::uint32_t ReportLength() const;

 private:
  friend class LinkSession;

  // What a transfer of an open period needs, taken under the lock and used
  // without it: the handle stays alive until the transfer is done with it.
  struct Endpoint {
    std::shared_ptr<HidDevice> device;
    std::uint8_t report_id;
    std::uint32_t report_length;
  };

  std::uint64_t Period() const;
  bool Current(std::uint64_t period) const;
  std::optional<Endpoint> EndpointOf(std::uint64_t period, HidAccess access) const;
  // Makes period's exchange the one that holds the link: at once, or, when
  // queue is set, after another exchange of that period has ended. False
  // when the period ends first (or the link stays held too long).
  bool Claim(std::uint64_t period, bool queue);
  void Unclaim(std::uint64_t period);
  // Ends the open period: the handles are dropped and their writes cancelled.
  void Close();
  bool TryInterface(const std::u16string& path);

  HidSystem& hid_;
  Sleeper& sleeper_;
  std::mutex opening_;  // one OpenDevice at a time
  // Guards what follows; held only for a few instructions, never during a
  // transfer or a wait.
  mutable std::mutex mutex_;
  std::condition_variable unclaimed_;
  std::uint64_t period_ = 0;  // counts opens and closes
  bool claimed_ = false;
  std::uint64_t claim_period_ = 0;
  std::shared_ptr<HidDevice> read_;
  std::shared_ptr<HidDevice> write_;
  std::uint8_t report_id_ = 0;
  std::uint32_t report_length_ = 0;
};

}  // namespace zk40
