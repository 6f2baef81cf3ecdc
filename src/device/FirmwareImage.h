#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace torvane::device {

// The member of the skin archive that holds the adapter firmware.
inline constexpr std::string_view kFirmwareMemberName = "Torvane_Firmware.bin";

// One member of a zip archive held in memory, the name compared without
// regard to case; nothing when the archive cannot be opened, the member is
// missing, claims more than `max_size` bytes, or does not inflate cleanly
// (CRC included).
std::optional<std::vector<std::uint8_t>> ReadZipMember(std::span<const std::uint8_t> archive, std::string_view name,
                                                       std::size_t max_size);

// The firmware image from the skin archive; larger images than a write plan
// can carry are refused here already.
std::optional<std::vector<std::uint8_t>> LoadFirmwareImage(std::span<const std::uint8_t> skin_archive);

}  // namespace torvane::device
