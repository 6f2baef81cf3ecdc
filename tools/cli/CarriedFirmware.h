#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace torvane::cli {

// The firmware image the manager carries in its skin archive, checked as the
// manager checks it; nothing when this build has no skin archive or the
// member is missing or cannot be written.
std::optional<std::vector<std::uint8_t>> CarriedFirmware();

}  // namespace torvane::cli
