#pragma once

#include <string_view>

namespace torvane::platform {

// Opens a web address in the player's browser; false when the system could not hand it to one.
bool OpenLink(std::string_view address);

}  // namespace torvane::platform
