#pragma once

#include <array>
#include <cstdint>

#include "emulator/FlashMemory.h"

namespace torvane::emulator {

using RunStatusBytes = std::array<std::uint8_t, 4>;

inline constexpr std::uint8_t kDefaultWorkingMode = 1;

// What an adapter keeps across plugging: its flash and its four status bytes
// (byte 0 the working mode).
struct AdapterState {
  FlashMemory flash;
  RunStatusBytes run_status{kDefaultWorkingMode, 0, 0, 0};
};

}  // namespace torvane::emulator
