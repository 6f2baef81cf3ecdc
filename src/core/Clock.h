#pragma once

#include <chrono>
#include <cstdint>

namespace torvane::core {

// Seconds since 1970 UTC, as backups are stamped.
inline std::int64_t SecondsNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace torvane::core
