#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace torvane::firmware {

// The firmware image this program carries, when its bytes still have the CRC-32 they were built in with and it
// fits the adapter's firmware area; nothing otherwise, so a damaged image is never written.
std::optional<std::vector<std::uint8_t>> CarriedFirmware();

// The same check over any image and the CRC-32 it should have.
std::optional<std::vector<std::uint8_t>> CheckedFirmware(std::span<const std::uint8_t> image,
                                                         std::uint32_t expected_crc);

}  // namespace torvane::firmware
