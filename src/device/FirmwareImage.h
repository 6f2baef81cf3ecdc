#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "device/CompatibilityRules.h"

namespace torvane::device {

// The member of the skin archive that holds the adapter firmware.
inline constexpr std::string_view kFirmwareMemberName = "Torvane_Firmware.bin";

// The largest image the firmware area takes together with the 0xAA written
// right after it.
inline constexpr std::size_t kMaxFirmwareSize = kFirmwareAreaSize - 1;

// Whether `firmware` can be written: not empty, and it fits the firmware area
// with its end byte.
bool FirmwareImageFits(std::span<const std::uint8_t> firmware);

// The firmware image from the bytes of the skin archive's member (which the
// caller reads through the archive); nothing when they cannot be written.
std::optional<std::vector<std::uint8_t>> LoadFirmwareImage(std::span<const std::uint8_t> member);

}  // namespace torvane::device
