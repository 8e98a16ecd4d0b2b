#pragma once
// The one link to the mouse: finds it among the HID interfaces, holds a read
// and a write handle to it, and sends the command reports and data blocks of
// the protocol with the protocol's fixed waits.
//
// The UI thread (version query) and the upload worker use the same link; every
// public operation holds the link for its whole exchange, waits included, so
// one command's report and its data blocks are never interleaved with another's.

#include <array>
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

class CUSBDriver {
 public:
  using ReportBuffer = std::array<std::uint8_t, kReportBufferSize>;

  CUSBDriver(HidSystem& hid, Sleeper& sleeper);

  // Closes what is open, then takes the first interface of the mouse that
  // carries the protocol's feature report. True when both handles are open.
  [[nodiscard]] bool OpenDevice();
  void CloseDevice();
  [[nodiscard]] bool IsOpen();

  // One command report: bytes 1..5 from command, the report id in byte 0,
  // every later byte 0, report length + 1 bytes sent. True when accepted.
  [[nodiscard]] bool SendFeature(const CommandBytes& command);
  // Sends data (a multiple of 32 bytes) as 33-byte output reports. A failed
  // block does not stop the transfer, but the transfer then failed.
  [[nodiscard]] bool WriteBlocks(std::span<const std::uint8_t> data);

  // The commands of the protocol; true when the command report was accepted
  // and, where data follows, every data report went out.
  // The version, when the mouse answered the query.
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

  std::uint8_t ReportId();
  std::uint32_t ReportLength();

 private:
  using Lock = std::lock_guard<std::mutex>;

  void CloseLocked();
  bool SendFeatureLocked(const CommandBytes& command);
  bool ReadFeatureLocked();
  bool WriteBlocksLocked(std::span<const std::uint8_t> data);
  // One output report from the write handle, waiting for a pending write.
  bool WriteOutputLocked(std::span<const std::uint8_t> report);
  bool TryInterface(const std::u16string& path);

  HidSystem& hid_;
  Sleeper& sleeper_;
  std::mutex link_;
  std::unique_ptr<HidDevice> read_;
  std::unique_ptr<HidDevice> write_;
  ReportBuffer write_buffer_{};
  ReportBuffer read_buffer_{};
  std::uint8_t report_id_ = 0;
  std::uint32_t report_length_ = 0;
};

}  // namespace zk40
