#include "core/Session.h"

namespace torvane::core {

Session::Session(std::string backup_root, FirmwareSource firmware)
    : image_(model::MakeFlashImage()),
      defaults_(model::MakeDefaultImages()),
      backups_(std::move(backup_root)),
      firmware_(std::move(firmware)) {
  model::ResetDefaultImages(*defaults_);
}

std::optional<std::vector<std::uint8_t>> Session::CarriedFirmware() const {
  return firmware_ ? firmware_() : std::nullopt;
}

void Session::MarkUnsaved(unsigned bits) {
  SetUnsaved(unsaved_ | (bits & model::kUnsavedAll));
}

void Session::ClearUnsaved() {
  SetUnsaved(0);
}

void Session::ForgetUnsaved(unsigned bits) {
  kept_.Forget(bits);
  SetUnsaved(unsaved_ & ~bits);
}

void Session::SetUnsaved(unsigned mask) {
  if (mask == unsaved_) return;
  unsaved_ = mask;
  if (observer_) observer_(unsaved_);
}

void Session::TakeRead(const model::FlashImage& image, const device::RunStatus& run_status) {
  // Copied in rather than swapped, so the image keeps its address for whatever refers to it.
  *image_ = image;
  run_status_ = run_status;
  backups_.TakeRead(image);
  if (const unsigned restored = kept_.RestoreInto(*image_); restored != 0) MarkUnsaved(restored);
}

void Session::SetEditsAside() {
  kept_.Keep(*image_, unsaved_);
  ClearUnsaved();
}

}  // namespace torvane::core
