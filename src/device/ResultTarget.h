#pragma once

#include <cstdint>
#include <memory>
#include <variant>

#include "device/DeviceFailure.h"
#include "device/ReadResult.h"

namespace torvane::device {

// What a result carries besides its message and wParam: the read with MSG_READ_DONE and MSG_INCOMPATIBLE, how the
// request failed with MSG_DEVICE_FAILED, nothing with the others.
using ResultPayload = std::variant<std::monostate, std::shared_ptr<ReadResult>, DeviceFailure>;

// Receiver of the worker's results. Deliver runs on the worker thread, so an
// implementation only hands the message over to its own thread (a window
// posts it into its event loop). The worker holds targets weakly: a target
// that has gone away, such as a closed dialog, simply gets nothing.
class ResultTarget {
 public:
  virtual ~ResultTarget() = default;
  // The payload is the receiver's to keep or drop.
  virtual void Deliver(int message, std::uint32_t wparam, ResultPayload payload) = 0;
};

// The read a payload carries; nullptr when it carries none.
inline std::shared_ptr<ReadResult> ReadOf(const ResultPayload& payload) {
  const auto* read = std::get_if<std::shared_ptr<ReadResult>>(&payload);
  return read ? *read : nullptr;
}

// The failure a payload carries; an empty one when it carries none.
inline DeviceFailure FailureOf(const ResultPayload& payload) {
  const auto* failure = std::get_if<DeviceFailure>(&payload);
  return failure ? *failure : DeviceFailure{};
}

}  // namespace torvane::device
