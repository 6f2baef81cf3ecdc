#pragma once

#include <memory>

namespace torvane::model {
struct FlashImage;
}

namespace torvane::core {

// Changes that had not reached the adapter when it was unplugged (a save that failed half-way included). They
// come back when the same adapter is read again, so the player can save them then; another adapter drops them.
class KeptEdits {
 public:
  KeptEdits();
  ~KeptEdits();

  // Keeps the regions of `mask` as `image` holds them, and those kept before: no read has replaced the image since,
  // so it holds them too. An adapter plugged in and out again before it was read sets its edits aside twice.
  void Keep(const model::FlashImage& image, unsigned mask);
  // Drops the kept regions of `mask`: a write replaced them on the adapter.
  void Forget(unsigned mask) { mask_ &= ~mask; }
  // Over a fresh read: when it comes from the adapter the edits were made on (same serial number), copies the
  // kept regions into `image` and returns their mask, else 0. The kept edits are gone afterwards either way.
  unsigned RestoreInto(model::FlashImage& image);
  bool IsHolding() const { return mask_ != 0; }

 private:
  std::unique_ptr<model::FlashImage> image_;
  unsigned mask_ = 0;
};

}  // namespace torvane::core
