#include "ExchangeFileIo.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "model/exchange/ExchangeMessages.h"

namespace torvane::cli {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

FileOutcome ReadExchangeFile(const std::string& path, std::size_t size, std::vector<std::uint8_t>& bytes) {
  errno = 0;
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file) return {model::kFileOpenFailed, errno};
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return {model::kFileOpenFailed, errno};
  const long length = std::ftell(file.get());
  if (length < 0) return {model::kFileOpenFailed, errno};
  if (static_cast<std::size_t>(length) != size) return {model::kFileWrongSize, 0};
  std::rewind(file.get());
  bytes.assign(size, 0);
  if (std::fread(bytes.data(), 1, size, file.get()) != size) return {model::kFileShort, errno};
  return {model::kFileDone, 0};
}

FileOutcome WriteExchangeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  errno = 0;
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) return {model::kFileOpenFailed, errno};
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return {model::kFileShort, errno};
  if (std::fclose(file.release()) != 0) return {model::kFileWrongSize, errno};
  return {model::kFileDone, 0};
}

}  // namespace torvane::cli
