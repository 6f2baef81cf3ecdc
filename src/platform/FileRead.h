#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace torvane::platform {

// A whole small file read from the disk. The file is opened (without waiting),
// then only a regular file of a size that fits is read, so a huge file, a
// folder, a FIFO or a device is never read and never blocks.
struct FileRead {
  enum class Outcome {
    kRead,        // `bytes` holds the whole file
    kCannotOpen,  // it does not exist or may not be opened: `system_error` says why
    kWrongSize,   // not a regular file, or not of the size asked for
    kShort,       // the system delivered fewer bytes than the file has: `system_error` says why when it did
  };
  Outcome outcome = Outcome::kCannotOpen;
  int system_error = 0;
  std::vector<std::uint8_t> bytes;
};

// The file at `path` when its size is exactly `size`.
FileRead ReadFileOfSize(const std::string& path, std::size_t size);
// The file at `path` when it holds fewer than `limit` bytes.
FileRead ReadFileBelow(const std::string& path, std::size_t limit);

}  // namespace torvane::platform
