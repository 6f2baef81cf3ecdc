#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace torvane::platform {

// Both write `bytes` whole or not at all: into a temporary file of the same
// folder first (a name starting with "."), flushed to the disk, then moved to
// its name, and the folder flushed too. A crash or a full disk leaves at most
// that temporary file, never a short file under the name. 0, or the system
// error code.

// Writes `folder`/`name`, readable by the user alone; an existing file called
// `name` is never replaced (EEXIST).
int WriteFileAtomically(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes);

struct FileReplacement {
  int error = 0;         // 0, or the system error code
  bool created = false;  // the new file was made: a failure came while writing it
};

// Writes the file at `path`, replacing the one there only once the new one is
// complete, so the old file survives any failure. A symbolic link has its
// target replaced; a folder or a special file there is refused (EISDIR,
// EINVAL) rather than written into or replaced.
FileReplacement ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace torvane::platform
