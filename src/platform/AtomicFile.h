#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace torvane::platform {

// Writes `bytes` as `folder`/`name`, whole or not at all: into a temporary file
// of the same folder first, flushed to the disk, then moved to its name, and
// the folder flushed too. A crash or a full disk leaves at most a temporary
// file (a name starting with "."), never a short file under `name`. An existing
// file called `name` is never replaced (EEXIST). 0, or the system error code.
int WriteFileAtomically(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes);

}  // namespace torvane::platform
