#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/backup/BackupStore.h"
#include "device/WritePlan.h"
#include "model/FlashImage.h"

namespace torvane::core {

// The backup taken before each write to an adapter: what the adapter holds,
// as last read from it and changed by the writes since. The backup of the
// state a read found is spared by pruning until the next read, however many
// writes follow it.
class AdapterBackups {
 public:
  explicit AdapterBackups(std::string root) : store_(std::move(root)) {}

  const BackupStore& store() const { return store_; }

  // A completed read: the adapter holds `image`.
  void TakeRead(const model::FlashImage& image);
  // A write that completed: the adapter now also holds what `plan` wrote into the regions.
  void TakeWritten(const device::WritePlan& plan);

  // Stores what the adapter holds now, then prunes its folder to the newest
  // 20; empty on success, otherwise why it could not.
  std::string BackUp(std::int64_t time);

 private:
  BackupStore store_;
  std::unique_ptr<model::FlashImage> adapter_image_;  // nothing until a read
  std::string read_backup_;                           // file name of the read's backup, once made
};

}  // namespace torvane::core
