#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/FlashImage.h"
#include "model/backup/BackupFile.h"

namespace torvane::core {

using Serial = std::array<std::uint8_t, 12>;

// One file of an adapter's backup folder.
struct StoredBackup {
  std::string file_name;
  std::string path;
  model::ParsedBackup parsed;  // error kNone when it can be restored
};

// The backups of adapters' settings below one root folder: one folder per
// adapter named by its serial number, one file per backup named by its time.
// Plain C++ and the system's file calls, so tools without a GUI can use it.
class BackupStore {
 public:
  static constexpr std::size_t kKeepPerAdapter = 20;

  explicit BackupStore(std::string root) : root_(std::move(root)) {}
  const std::string& root() const { return root_; }
  std::string FolderOf(const Serial& serial) const;

  struct Written {
    std::string file_name;  // empty when nothing was written
    std::string error;      // why not, for the player
  };
  // Writes the backup of `image` (as read from its adapter) taken at `time`
  // (seconds since 1970 UTC) as a new file; an existing backup is never replaced.
  Written Write(const model::FlashImage& image, std::int64_t time) const;

  // The adapter's backups, newest first, each parsed; damaged ones are listed with their error.
  std::vector<StoredBackup> List(const Serial& serial) const;
  // Every adapter's backups: those of `first` at the front, then the other folders' in name order.
  std::vector<StoredBackup> ListAll(const Serial& first) const;

  // Deletes the oldest backups beyond `keep`, never one named in `spared`;
  // also clears temporary files a crash left behind.
  void Prune(const Serial& serial, std::size_t keep, std::span<const std::string> spared) const;

 private:
  // Backup file names of the folder, oldest first.
  std::vector<std::string> Names(const std::string& folder) const;
  std::vector<StoredBackup> ListFolder(const std::string& folder) const;

  std::string root_;
};

}  // namespace torvane::core
