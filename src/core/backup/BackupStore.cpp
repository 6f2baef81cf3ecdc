#include "core/backup/BackupStore.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "model/backup/BackupNames.h"
#include "platform/AtomicFile.h"
#include "platform/Utf8Path.h"

namespace torvane::core {

namespace fs = std::filesystem;

namespace {

// Far above a backup's size: anything larger is not read into memory.
constexpr std::uintmax_t kLargestBackup = 1u << 20;

std::string ErrorText(int code) {
  return std::generic_category().message(code);
}

std::vector<std::uint8_t> ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::string BackupStore::FolderOf(const Serial& serial) const {
  return platform::Utf8FromPath(platform::PathFromUtf8(root_) / model::SerialFolderName(serial));
}

BackupStore::Written BackupStore::Write(const model::FlashImage& image, std::int64_t time) const {
  const std::vector<std::uint8_t> bytes = model::EncodeBackup(image, time);
  if (bytes.empty()) return {{}, "no SHA-256 available"};
  const std::string folder = FolderOf(image.info.serial);
  std::error_code error;
  fs::create_directories(platform::PathFromUtf8(folder), error);
  if (error) return {{}, error.message()};
  // Two backups within one second get the next free sequence number.
  for (unsigned sequence = 1; sequence < 1000; ++sequence) {
    const std::string name = model::BackupFileName(time, sequence);
    const int result = platform::WriteFileAtomically(folder, name, bytes);
    if (result == 0) return {name, {}};
    if (result != EEXIST) return {{}, ErrorText(result)};
  }
  return {{}, ErrorText(EEXIST)};
}

std::vector<std::string> BackupStore::Names(const std::string& folder) const {
  std::vector<std::pair<model::BackupNameKey, std::string>> found;
  std::error_code error;
  for (fs::directory_iterator it(platform::PathFromUtf8(folder), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = platform::Utf8FromPath(it->path().filename());
    if (auto key = model::ParseBackupFileName(name)) found.emplace_back(std::move(*key), name);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> names;
  for (auto& entry : found) names.push_back(std::move(entry.second));
  return names;
}

std::vector<StoredBackup> BackupStore::List(const Serial& serial) const {
  return ListFolder(FolderOf(serial));
}

std::vector<StoredBackup> BackupStore::ListAll(const Serial& first) const {
  const std::string first_folder = FolderOf(first);
  std::vector<StoredBackup> all = ListFolder(first_folder);
  std::vector<std::string> others;
  std::error_code error;
  for (fs::directory_iterator it(platform::PathFromUtf8(root_), error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    const std::string folder = platform::Utf8FromPath(it->path());
    if (it->is_directory(ignored) && folder != first_folder) others.push_back(folder);
  }
  std::sort(others.begin(), others.end());
  for (const std::string& folder : others) {
    std::vector<StoredBackup> more = ListFolder(folder);
    std::move(more.begin(), more.end(), std::back_inserter(all));
  }
  return all;
}

std::vector<StoredBackup> BackupStore::ListFolder(const std::string& folder) const {
  std::vector<std::string> names = Names(folder);
  std::reverse(names.begin(), names.end());
  std::vector<StoredBackup> backups;
  for (std::string& name : names) {
    StoredBackup backup;
    backup.path = platform::Utf8FromPath(platform::PathFromUtf8(folder) / platform::PathFromUtf8(name));
    backup.file_name = std::move(name);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(platform::PathFromUtf8(backup.path), error);
    if (error) {
      backup.parsed.error = model::BackupError::kTooShort;
    } else if (size > kLargestBackup) {
      backup.parsed.error = model::BackupError::kBadLayout;
    } else {
      backup.parsed = model::ParseBackup(ReadWhole(platform::PathFromUtf8(backup.path)));
    }
    backups.push_back(std::move(backup));
  }
  return backups;
}

void BackupStore::Prune(const Serial& serial, std::size_t keep, std::span<const std::string> spared) const {
  const fs::path folder = platform::PathFromUtf8(FolderOf(serial));
  const std::vector<std::string> names = Names(FolderOf(serial));
  std::size_t excess = names.size() > keep ? names.size() - keep : 0;
  std::error_code error;
  for (const std::string& name : names) {
    if (excess == 0) break;
    if (std::find(spared.begin(), spared.end(), name) != spared.end()) continue;
    if (fs::remove(folder / platform::PathFromUtf8(name), error)) --excess;
  }
  // Old enough that no writer can still be busy with it.
  const auto stale = fs::file_time_type::clock::now() - std::chrono::minutes(10);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = platform::Utf8FromPath(it->path().filename());
    std::error_code ignored;
    if (name.starts_with('.') && name.find(".tmp-") != std::string::npos && it->last_write_time(ignored) < stale) {
      fs::remove(it->path(), ignored);
    }
  }
}

}  // namespace torvane::core
