#include "platform/UiFontFamily.h"

namespace torvane::platform {

// A Linux desktop names no single UI font; fontconfig stands its default sans-serif in when this one is missing.
std::string_view UiFontFamily() {
  return "Noto Sans";
}

}  // namespace torvane::platform
