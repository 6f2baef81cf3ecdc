#pragma once

#include <cstdint>
#include <memory>

#include "device/RunStatus.h"
#include "model/FlashImage.h"

namespace torvane::device {

// What one read of the adapter found. The worker fills it in a buffer of its
// own and hands it over whole with the result; from then on it belongs to the
// receiver, and the worker never sees it again.
struct ReadResult {
  // The tag the read request carried, so the receiver can tell which plug-in
  // of the adapter this read belongs to.
  std::uint64_t adapter = 0;
  RunStatus run_status;
  // With MSG_READ_DONE all five regions; with MSG_INCOMPATIBLE the
  // information block alone (the rest was not read and stays zero).
  std::unique_ptr<model::FlashImage> image;
};

}  // namespace torvane::device
