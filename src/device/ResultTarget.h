#pragma once

#include <cstdint>
#include <memory>

#include "device/ReadResult.h"

namespace torvane::device {

// Receiver of the worker's results. Deliver runs on the worker thread, so an
// implementation only hands the message over to its own thread (a window
// posts it into its event loop). The worker holds targets weakly: a target
// that has gone away, such as a closed dialog, simply gets nothing.
class ResultTarget {
 public:
  virtual ~ResultTarget() = default;
  // `read` comes with MSG_READ_DONE and MSG_INCOMPATIBLE and is empty with
  // every other result; it is the receiver's to keep or drop.
  virtual void Deliver(int message, std::uint32_t wparam, std::shared_ptr<ReadResult> read) = 0;
};

}  // namespace torvane::device
