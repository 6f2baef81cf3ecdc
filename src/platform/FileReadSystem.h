#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/FileRead.h"

namespace torvane::platform {

// Each system's own read: the regular file at `path` when `fits` takes its
// size, opened first so a file that cannot be read says so whatever its size.
FileRead ReadRegularFile(const std::string& path, const std::function<bool(std::size_t)>& fits);

}  // namespace torvane::platform
