#pragma once

#include <cstdint>

namespace torvane::model {

// Key code for a Windows virtual-key code; 0 for keys the adapter has no code for.
// Kept so captures and files made on Windows mean the same keys here.
std::uint8_t KeyCodeFromVirtualKey(std::uint8_t vk);

}  // namespace torvane::model
