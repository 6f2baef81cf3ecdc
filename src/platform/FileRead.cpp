#include "platform/FileRead.h"

#include "platform/FileReadSystem.h"

namespace torvane::platform {

FileRead ReadFileOfSize(const std::string& path, std::size_t size) {
  return ReadRegularFile(path, [size](std::size_t found) { return found == size; });
}

FileRead ReadFileBelow(const std::string& path, std::size_t limit) {
  return ReadRegularFile(path, [limit](std::size_t found) { return found < limit; });
}

}  // namespace torvane::platform
