#pragma once

#include <cstdint>
#include <string>

#include "model/Version.h"

namespace torvane::cli {

// "4.5.118"
std::string VersionText(const model::Version& version);
// "#AARRGGBB"
std::string ColorText(std::uint32_t argb);

}  // namespace torvane::cli
