#include "cli/TextFields.h"

#include <cstdio>

namespace torvane::cli {

std::string VersionText(const model::Version& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." + std::to_string(version.patch);
}

std::string ColorText(std::uint32_t argb) {
  char text[10];
  std::snprintf(text, sizeof(text), "#%08X", argb);
  return text;
}

}  // namespace torvane::cli
