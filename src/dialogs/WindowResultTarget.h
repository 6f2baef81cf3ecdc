#pragma once

#include "device/ResultTarget.h"
#include "toolkit/WindowMessage.h"

namespace torvane::dialogs {

// Hands the device worker's results to a window: each one is posted into the UI thread's event loop, a read's
// ReadResult riding along as the message's payload (a std::shared_ptr<device::ReadResult>), and dropped there if
// the window has gone. Create it on the UI thread and keep it (shared) while the window waits.
class WindowResultTarget : public device::ResultTarget {
 public:
  explicit WindowResultTarget(toolkit::WindowRef window) : window_(std::move(window)) {}
  void Deliver(int message, std::uint32_t wparam, std::shared_ptr<device::ReadResult> read) override;

 private:
  const toolkit::WindowRef window_;
};

// The read a message carries; nullptr when it carries none.
std::shared_ptr<device::ReadResult> ReadResultOf(const std::any& payload);

}  // namespace torvane::dialogs
