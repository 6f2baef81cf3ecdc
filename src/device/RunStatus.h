#pragma once

#include <array>
#include <cstdint>

namespace torvane::device {

// The adapter's four status bytes as the last read left them.
struct RunStatus {
  std::array<std::uint8_t, 4> bytes{};

  std::uint8_t working_mode() const { return bytes[0]; }
};

}  // namespace torvane::device
