#pragma once
// The texts that name the mouse and its firmware-update form in device names
// and hardware ids, and the case-insensitive match both are found by.
#include <cstddef>
#include <span>
#include <string_view>

namespace zk40 {

// In the device name of a device-interface broadcast.
inline constexpr std::u16string_view kMouseFilterText = u"VID_3E7A&PID_6D3B";
// In the first hardware id of the mouse while it waits for new firmware.
inline constexpr std::u16string_view kFirmwareUpdateDeviceText = u"VID_04D9&PID_8022";

// The hardware-id buffer of one USB device: 260 bytes.
inline constexpr std::size_t kHardwareIdUnits = 130;

// True when part occurs in text, letters compared without case (ASCII
// letters only: the ids are ASCII).
bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part);

// The first string of a hardware-id list (strings each ending in 0) as far as
// the buffer holds it: a list cut off without its terminator ends with the buffer.
std::u16string_view FirstHardwareId(std::span<const char16_t> ids);

}  // namespace zk40
