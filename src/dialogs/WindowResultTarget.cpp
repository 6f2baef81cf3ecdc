#include "dialogs/WindowResultTarget.h"

namespace torvane::dialogs {

void WindowResultTarget::Deliver(int message, std::uint32_t wparam, device::ResultPayload payload) {
  if (message < 0) return;
  toolkit::PostMessage(window_, static_cast<unsigned>(message), wparam, 0, std::any(std::move(payload)));
}

std::shared_ptr<device::ReadResult> ReadResultOf(const std::any& payload) {
  const auto* carried = std::any_cast<device::ResultPayload>(&payload);
  return carried ? device::ReadOf(*carried) : nullptr;
}

device::DeviceFailure FailureOf(const std::any& payload) {
  const auto* carried = std::any_cast<device::ResultPayload>(&payload);
  return carried ? device::FailureOf(*carried) : device::DeviceFailure{};
}

}  // namespace torvane::dialogs
