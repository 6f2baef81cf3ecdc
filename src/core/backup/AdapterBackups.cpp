#include "core/backup/AdapterBackups.h"

#include <algorithm>
#include <span>

#include "model/RegionBytes.h"

namespace torvane::core {

void AdapterBackups::TakeRead(const model::FlashImage& image) {
  if (!adapter_image_) adapter_image_ = model::MakeFlashImage();
  *adapter_image_ = image;
  read_backup_.clear();
}

void AdapterBackups::TakeWritten(const device::WritePlan& plan) {
  if (!adapter_image_) return;
  model::FlashImage& image = *adapter_image_;
  const struct {
    std::uint32_t address;
    std::span<std::uint8_t> bytes;
  } regions[] = {
      {model::kBootBlockAddress, model::BytesOf(image.boot)},
      {model::kMacroBlockAddress, model::BytesOf(image.macro)},
      {model::kConfigBlockAddress, model::BytesOf(image.config)},
      {model::kResponseBlockAddress, model::BytesOf(image.response)},
  };
  // Plans write whole regions; the firmware lies outside the image.
  for (const device::PlanEntry& entry : plan.entries()) {
    for (const auto& region : regions) {
      if (entry.address == region.address && entry.length == region.bytes.size()) {
        const auto bytes = plan.EntryBytes(entry);
        std::copy(bytes.begin(), bytes.end(), region.bytes.begin());
      }
    }
  }
}

std::string AdapterBackups::BackUp(std::int64_t time) {
  if (!adapter_image_) return "nothing has been read from the adapter";
  const BackupStore::Written written = store_.Write(*adapter_image_, time);
  if (!written.error.empty()) return written.error;
  if (read_backup_.empty()) read_backup_ = written.file_name;
  const std::string spared[] = {read_backup_, written.file_name};
  store_.Prune(adapter_image_->info.serial, BackupStore::kKeepPerAdapter, spared);
  return {};
}

}  // namespace torvane::core
