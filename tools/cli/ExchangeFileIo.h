#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace torvane::cli {

// The exchange files as the manager's file dialogs read and write them, with
// the same result codes (model::kFileDone, kFileOpenFailed, kFileWrongSize,
// kFileShort) and the system's error code beside them for the messages.
struct FileOutcome {
  int result = 0;
  int system_error = 0;
};

// Reads `path` when its size is exactly `size`.
FileOutcome ReadExchangeFile(const std::string& path, std::size_t size, std::vector<std::uint8_t>& bytes);
// Creates or truncates `path` and writes `bytes`.
FileOutcome WriteExchangeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace torvane::cli
