#pragma once

#include <cstdint>
#include <span>

namespace torvane::firmware {

// The firmware image built into the program, and the CRC-32 it had when it was built in; read them through
// CarriedFirmware, which compares the two.
std::span<const std::uint8_t> EmbeddedFirmwareImage();
std::uint32_t EmbeddedFirmwareCrc32();

}  // namespace torvane::firmware
