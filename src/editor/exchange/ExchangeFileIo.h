#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

#include "model/exchange/ExchangeFiles.h"

class QWidget;

namespace torvane::editor {

// How reading or writing an exchange file went: `code` is one of the model's kFile* results (0 done, 1 cancelled,
// -1 not opened or created, -2 wrong size or write failed, -3 short), `system_error` the system's error number
// of the failing step (0 when it gave none).
struct FileOutcome {
  int code = 0;
  int system_error = 0;
};

struct FileRead : FileOutcome {
  std::vector<std::uint8_t> bytes;  // the whole file when `code` is 0
};

// Reads the file at `path` when its size is exactly `size`; the size is checked before anything is read, so a
// huge or special file is never read.
FileRead ReadFileOfSize(const QString& path, std::size_t size);

// Writes `bytes` as the whole file at `path` through a temporary file that replaces it only when complete, so a
// failed or full-disk write leaves the file as it was.
FileOutcome WriteWholeFile(const QString& path, std::span<const std::uint8_t> bytes);

// The open dialog titled `title` for `kind`, then the read of the chosen file at the kind's size.
FileRead ReadExchangeFile(QWidget* owner, const QString& title, model::ExchangeKind kind);

// The save dialog titled `title` for `kind` offering `suggested_name`, then the write of the chosen file.
FileOutcome WriteExchangeFile(QWidget* owner, const QString& title, const QString& suggested_name,
                              std::span<const std::uint8_t> bytes, model::ExchangeKind kind);

}  // namespace torvane::editor
