#pragma once

#include <cstdint>
#include <string_view>

namespace torvane::model {

inline constexpr std::string_view kNoKeyName = "< None >";

// Display name of a key code (UTF-8); "< None >" for the unused codes.
std::string_view KeyName(std::uint8_t code);

}  // namespace torvane::model
