#include "core/news/NewsFile.h"

#include <filesystem>
#include <system_error>

#include "core/ManagerFolders.h"
#include "core/exchange/ExchangeFileIo.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/NewsStore.h"
#include "platform/FileRead.h"
#include "platform/Utf8Path.h"

namespace torvane::core {

bool StoreNewsFile(std::span<const std::uint8_t> record) {
  const std::string path = NewsFilePath();
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(platform::PathFromUtf8(path).parent_path(), error);
  if (error) return false;
  return WriteWholeFile(path, record).code == model::kFileDone;
}

std::vector<std::uint8_t> LoadNewsFile() {
  const std::string path = NewsFilePath();
  if (path.empty()) return {};
  // Only a plain file: a FIFO put there would block the start.
  platform::FileRead read = platform::ReadFileBelow(path, model::kNewsBufferSize);
  return read.outcome == platform::FileRead::Outcome::kRead ? std::move(read.bytes) : std::vector<std::uint8_t>{};
}

}  // namespace torvane::core
