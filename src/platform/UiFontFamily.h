#pragma once

#include <string_view>

namespace torvane::platform {

// The family the windows set their text in. Empty where the system has a UI font of its own that the application
// font already names; otherwise the design's, which the system's font matching replaces by its default sans-serif
// where it is missing.
std::string_view UiFontFamily();

}  // namespace torvane::platform
