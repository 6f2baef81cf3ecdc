#pragma once

#include "device/ResultTarget.h"
#include "toolkit/WindowMessage.h"

namespace torvane::dialogs {

// Hands the device worker's results to a window: each one is posted into the UI thread's event loop, its read or
// failure riding along as the message's payload (a device::ResultPayload), and dropped there if the window has
// gone. Create it on the UI thread and keep it (shared) while the window waits.
class WindowResultTarget : public device::ResultTarget {
 public:
  explicit WindowResultTarget(toolkit::WindowRef window) : window_(std::move(window)) {}
  void Deliver(int message, std::uint32_t wparam, device::ResultPayload payload) override;

 private:
  const toolkit::WindowRef window_;
};

// The read a message carries; nullptr when it carries none.
std::shared_ptr<device::ReadResult> ReadResultOf(const std::any& payload);
// The failure a message carries; an empty one when it carries none.
device::DeviceFailure FailureOf(const std::any& payload);

}  // namespace torvane::dialogs
