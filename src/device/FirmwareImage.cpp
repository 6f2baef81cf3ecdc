#include "device/FirmwareImage.h"

namespace torvane::device {

bool FirmwareImageFits(std::span<const std::uint8_t> firmware) {
  return !firmware.empty() && firmware.size() <= kMaxFirmwareSize;
}

std::optional<std::vector<std::uint8_t>> LoadFirmwareImage(std::span<const std::uint8_t> member) {
  if (!FirmwareImageFits(member)) return std::nullopt;
  return std::vector<std::uint8_t>(member.begin(), member.end());
}

}  // namespace torvane::device
