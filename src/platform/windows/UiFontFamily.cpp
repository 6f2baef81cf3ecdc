#include "platform/UiFontFamily.h"

namespace torvane::platform {

// Windows has a UI font of its own, which the application font already is.
std::string_view UiFontFamily() {
  return {};
}

}  // namespace torvane::platform
