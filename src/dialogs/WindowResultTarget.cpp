#include "dialogs/WindowResultTarget.h"

namespace torvane::dialogs {

void WindowResultTarget::Deliver(int message, std::uint32_t wparam, std::shared_ptr<device::ReadResult> read) {
  if (message < 0) return;
  std::any payload;
  if (read) payload = std::move(read);
  toolkit::PostMessage(window_, static_cast<unsigned>(message), wparam, 0, std::move(payload));
}

std::shared_ptr<device::ReadResult> ReadResultOf(const std::any& payload) {
  const auto* read = std::any_cast<std::shared_ptr<device::ReadResult>>(&payload);
  return read ? *read : nullptr;
}

}  // namespace torvane::dialogs
