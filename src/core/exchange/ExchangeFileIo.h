#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/exchange/ExchangeFiles.h"

namespace torvane::core {

class Host;

// How reading or writing a file went: `code` is one of the model's kFile* results (0 done, 1 cancelled, -1 not
// opened or created, -2 wrong size or write failed, -3 short), `system_error` the system's error number of the
// failing step (0 when it gave none).
struct FileOutcome {
  int code = 0;
  int system_error = 0;
};

struct FileRead : FileOutcome {
  std::vector<std::uint8_t> bytes;  // the whole file when `code` is 0
};

// The regular file at `path` when its size is exactly `size`; its size is checked before anything is read, so a
// huge or special file is never read.
FileRead ReadFileOfSize(const std::string& path, std::size_t size);
// Writes `bytes` as the whole file at `path`, replacing what is there only once the new file is complete, so a
// failed or full-disk write leaves the old file as it was.
FileOutcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// The file the player chooses to import under `title`, read at the kind's size.
FileRead ReadChosenFile(Host& host, std::string_view title, model::ExchangeKind kind);
// The file the player chooses to export to under `title`, offered as `suggested_name` (narrow text), written whole.
FileOutcome WriteChosenFile(Host& host, std::string_view title, std::string_view suggested_name,
                            std::span<const std::uint8_t> bytes, model::ExchangeKind kind);

}  // namespace torvane::core
