// hid_probe: talks to the first ZK40 on the machine through the program's
// own link (CUSBDriver on HidSystemWin32, the system's HID functions, real
// waits) and prints one line per step:
//   open N          what OpenDevice returned
//   report ID LEN   the protocol report the link found
//   version N       GetFirmwareVersion's result and version, or "version failed"
//   keymatrix N     what WriteKeyMatrix returned for the 64 bytes (i * 7 + 3) & 0xFF
// Exit status 0 when every step succeeded.
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "device/CUSBDriver.h"
#include "platform/Clock.h"
#include "platform/HidSystem_win32.h"

int main() {
  zk40::HidSystemWin32 hid;
  zk40::SystemClock clock;
  zk40::CUSBDriver link(hid, clock);

  const bool opened = link.OpenDevice();
  std::printf("open %d\n", opened ? 1 : 0);
  if (!opened) return 1;
  std::printf("report %d %lu\n", link.ReportId(), static_cast<unsigned long>(link.ReportLength()));

  const std::optional<int> version = link.GetFirmwareVersion();
  if (version) {
    std::printf("version %d\n", *version);
  } else {
    std::printf("version failed\n");
  }

  std::array<std::uint8_t, zk40::kKeyMatrixSize> matrix{};
  for (std::size_t i = 0; i < matrix.size(); ++i) matrix[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const bool written = link.WriteKeyMatrix(matrix);
  std::printf("keymatrix %d\n", written ? 1 : 0);
  link.CloseDevice();
  return version == 17 && written ? 0 : 1;
}
