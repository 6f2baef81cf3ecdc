#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace torvane::platform {

// Paths are held as UTF-8 text; the file system library takes and gives them in the system's own form (bytes on
// Linux, UTF-16 on Windows), which a plain std::string would mistake for the ANSI code page there.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace torvane::platform
