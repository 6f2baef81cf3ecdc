#include "device/DevicePresence.h"

#include "device/AdapterPath.h"

namespace torvane::device {

bool IsAdapter(const DeviceEvent& event) {
  return IsAdapterPath(event.path) || IsAdapterIds(event.vendor_id, event.product_id);
}

void DevicePresence::Discover(const std::vector<DeviceEvent>& present) {
  for (const DeviceEvent& event : present) {
    OnArrival(event);
    if (state_ != PresenceState::kAbsent) return;
  }
}

void DevicePresence::OnArrival(const DeviceEvent& event) {
  if (state_ != PresenceState::kAbsent || event.path.empty() || !IsAdapter(event)) return;
  path_ = event.path;
  context_.set_device_path(path_);
  ++adapter_tag_;
  failed_queries_ = 0;
  state_ = PresenceState::kSettling;
  host_.StartSettleTimer();
}

void DevicePresence::OnRemoval(const DeviceEvent& event) {
  if (state_ == PresenceState::kAbsent) return;
  if (!ShareAdapterText(event.path, path_) && event.path != path_) return;
  path_.clear();
  context_.set_device_path({});
  state_ = PresenceState::kAbsent;
  host_.StopSettleTimer();
  host_.PostDeviceRemoved();
}

void DevicePresence::OnSettleTimer() {
  // A tick that was already queued when the timer stopped changes nothing.
  if (state_ != PresenceState::kSettling) return;
  switch (host_.QueryInstallation()) {
    case InstallationState::kPending:
      failed_queries_ = 0;
      return;
    case InstallationState::kIdle:
      return RequestRead();
    case InstallationState::kQueryFailed:
      // Stopping here would leave the player at "No Torvane Detected" without a word.
      if (++failed_queries_ >= kQueryFailuresBeforeRead) RequestRead();
      return;
  }
}

void DevicePresence::RequestRead() {
  host_.StopSettleTimer();
  state_ = PresenceState::kPresent;
  host_.PostReadRequest();
}

}  // namespace torvane::device
