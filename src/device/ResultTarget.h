#pragma once

#include <cstdint>

namespace torvane::device {

// Receiver of the worker's results. Deliver runs on the worker thread, so an
// implementation only hands the message over to its own thread (a window
// posts it into its event loop). The worker holds targets weakly: a target
// that has gone away, such as a closed dialog, simply gets nothing.
class ResultTarget {
 public:
  virtual ~ResultTarget() = default;
  virtual void Deliver(int message, std::uint32_t wparam) = 0;
};

}  // namespace torvane::device
