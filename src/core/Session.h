#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/KeptEdits.h"
#include "core/backup/AdapterBackups.h"
#include "device/RunStatus.h"
#include "model/FlashImage.h"

namespace torvane::core {

// What a front end holds of the adapter it works on: the image as read and edited, the default region images, the
// run status of the last read, the regions edited and not yet saved, the edits set aside while the adapter is away,
// and the backups taken before each write. Only the thread that shows the image touches it: a read arrives whole
// and is taken in here, a write carries its own copy of the bytes.
class Session {
 public:
  // The firmware image this program carries; nothing when it has none or it is damaged.
  using FirmwareSource = std::function<std::optional<std::vector<std::uint8_t>>()>;

  Session(std::string backup_root, FirmwareSource firmware);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  model::FlashImage& image() { return *image_; }
  const model::FlashImage& image() const { return *image_; }
  const model::DefaultImages& defaults() const { return *defaults_; }
  device::RunStatus& run_status() { return run_status_; }
  const device::RunStatus& run_status() const { return run_status_; }
  AdapterBackups& backups() { return backups_; }
  std::optional<std::vector<std::uint8_t>> CarriedFirmware() const;

  // Regions changed in the image and not yet on the adapter (model::kUnsaved* bits).
  unsigned unsaved() const { return unsaved_; }
  void MarkUnsaved(unsigned bits);
  void ClearUnsaved();
  // Drops the marks of `bits`, and the edits of those regions set aside: the regions were replaced, in the image or
  // on the adapter.
  void ForgetUnsaved(unsigned bits);
  // Called with the new mask whenever it changes, so the front end can show it.
  void set_unsaved_observer(std::function<void(unsigned mask)> observer) { observer_ = std::move(observer); }

  // A completed read of the adapter: the image takes it, the backups count it as what the adapter holds, and the
  // edits set aside come back over it when it is the adapter they were made on (marked unsaved again).
  void TakeRead(const model::FlashImage& image, const device::RunStatus& run_status);
  // Sets the unsaved edits aside until the next read (the adapter went away, or is to be read again).
  void SetEditsAside();
  bool HasEditsAside() const { return kept_.IsHolding(); }

 private:
  void SetUnsaved(unsigned mask);

  std::unique_ptr<model::FlashImage> image_;
  std::unique_ptr<model::DefaultImages> defaults_;
  device::RunStatus run_status_{};
  AdapterBackups backups_;
  FirmwareSource firmware_;
  unsigned unsaved_ = 0;
  std::function<void(unsigned)> observer_;
  KeptEdits kept_;
};

}  // namespace torvane::core
