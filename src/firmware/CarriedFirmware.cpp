#include "firmware/CarriedFirmware.h"

#include <zlib.h>

#include "device/FirmwareImage.h"
#include "firmware/EmbeddedFirmware.h"

namespace torvane::firmware {

std::optional<std::vector<std::uint8_t>> CheckedFirmware(std::span<const std::uint8_t> image,
                                                         std::uint32_t expected_crc) {
  if (image.size() > device::kMaxFirmwareSize) return std::nullopt;
  if (::crc32(0L, image.data(), static_cast<uInt>(image.size())) != expected_crc) return std::nullopt;
  return device::LoadFirmwareImage(image);
}

std::optional<std::vector<std::uint8_t>> CarriedFirmware() {
  return CheckedFirmware(EmbeddedFirmwareImage(), EmbeddedFirmwareCrc32());
}

}  // namespace torvane::firmware
