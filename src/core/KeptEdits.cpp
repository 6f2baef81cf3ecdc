#include "core/KeptEdits.h"

#include "model/FlashImage.h"

namespace torvane::core {

KeptEdits::KeptEdits() = default;
KeptEdits::~KeptEdits() = default;

void KeptEdits::Keep(const model::FlashImage& image, unsigned mask) {
  mask_ = (mask_ | mask) & model::kUnsavedAll;
  if (mask_ == 0) return;
  if (!image_) image_ = model::MakeFlashImage();
  *image_ = image;
}

unsigned KeptEdits::RestoreInto(model::FlashImage& image) {
  const unsigned mask = mask_;
  mask_ = 0;
  if (mask == 0 || !image_ || image_->info.serial != image.info.serial) return 0;
  if (mask & model::kUnsavedMacro) image.macro = image_->macro;
  if (mask & model::kUnsavedConfig) image.config = image_->config;
  if (mask & model::kUnsavedResponse) image.response = image_->response;
  return mask;
}

}  // namespace torvane::core
