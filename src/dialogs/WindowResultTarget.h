#pragma once

#include "device/ResultTarget.h"
#include "toolkit/WindowMessage.h"

namespace torvane::dialogs {

// Hands the device worker's results to a window: each one is posted into the UI thread's event loop and dropped
// there if the window has gone. Create it on the UI thread and keep it (shared) while the window waits.
class WindowResultTarget : public device::ResultTarget {
 public:
  explicit WindowResultTarget(toolkit::WindowRef window) : window_(std::move(window)) {}
  void Deliver(int message, std::uint32_t wparam) override;

 private:
  const toolkit::WindowRef window_;
};

}  // namespace torvane::dialogs
