#include "core/exchange/ExchangeFileIo.h"

#include "core/Host.h"
#include "model/exchange/ExchangeMessages.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/NarrowText.h"

namespace torvane::core {

FileRead ReadFileOfSize(const std::string& path, std::size_t size) {
  platform::FileRead file = platform::ReadFileOfSize(path, size);
  FileRead read;
  read.system_error = file.system_error;
  switch (file.outcome) {
    case platform::FileRead::Outcome::kRead:
      read.code = model::kFileDone;
      read.bytes = std::move(file.bytes);
      break;
    case platform::FileRead::Outcome::kCannotOpen:
      read.code = model::kFileOpenFailed;
      break;
    case platform::FileRead::Outcome::kWrongSize:
      read.code = model::kFileWrongSize;
      break;
    case platform::FileRead::Outcome::kShort:
      read.code = model::kFileShort;
      break;
  }
  return read;
}

FileOutcome WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const platform::FileReplacement written = platform::ReplaceFileAtomically(path, bytes);
  if (written.error == 0) return {model::kFileDone, 0};
  return {written.created ? model::kFileWrongSize : model::kFileOpenFailed, written.error};
}

FileRead ReadChosenFile(Host& host, std::string_view title, model::ExchangeKind kind) {
  const std::optional<std::string> path = host.ChooseFileToOpen(title, kind);
  if (!path) {
    FileRead cancelled;
    cancelled.code = model::kFileCancelled;
    return cancelled;
  }
  return ReadFileOfSize(*path, model::FileType(kind).size);
}

FileOutcome WriteChosenFile(Host& host, std::string_view title, std::string_view suggested_name,
                            std::span<const std::uint8_t> bytes, model::ExchangeKind kind) {
  const std::optional<std::string> path = host.ChooseFileToSave(title, platform::NarrowToUtf8(suggested_name), kind);
  if (!path) return {model::kFileCancelled, 0};
  return WriteWholeFile(*path, bytes);
}

}  // namespace torvane::core
