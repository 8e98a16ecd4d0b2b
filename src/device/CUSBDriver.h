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
#include <span>

#include "platform/Clock.h"
#include "platform/HidSystem.h"
#include "protocol/DeviceCommands.h"
#include "settings/MacroRecord.h"

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
  // carries the protocol's feature report. 1 when both handles are open.
  int OpenDevice();
  void CloseDevice();
  bool IsOpen();

  // One command report: the write buffer cleared, bytes 1..5 from command,
  // the report id in byte 0, report length + 1 bytes sent. 1 when accepted.
  int SendFeature(const CommandBytes& command);
  // Reads a feature report into the read buffer. 1 on success.
  int ReadFeature();
  ReportBuffer ReadBuffer();
  // Sends length bytes (a multiple of 32) as 33-byte output reports. A
  // failed block does not stop the transfer.
  int WriteBlocks(const std::uint8_t* data, std::size_t length);

  // The commands of the protocol; 1 when the command report was accepted
  // (and, where data follows, the data transfer returned success).
  int GetFirmwareVersion(int* version);
  int SetReportInterval(int interval);
  int SetDpiSelect(int stages);
  int SetLedColor(std::uint32_t colour);
  int SetLedEffect(int effect, int level, int variant);
  // ledEffect is the lighting effect of the current settings at the time of the call.
  int SetTouchSensing(int on, int ledEffect);
  int SetDpiTable(const std::uint8_t* block, std::size_t length);
  int WriteKeyMatrix(const std::uint8_t* matrix, std::size_t length);
  // Encodes the macro and sends it to slot (sent only for slots 0..7);
  // returns the number of 2-byte units of the encoding in every case.
  int WriteMacro(int slot, const MacroRecord* record);

  std::uint8_t ReportId();
  std::uint32_t ReportLength();

 private:
  using Lock = std::lock_guard<std::mutex>;

  void CloseLocked();
  int SendFeatureLocked(const CommandBytes& command);
  int ReadFeatureLocked();
  int WriteBlocksLocked(const std::uint8_t* data, std::size_t length);
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
