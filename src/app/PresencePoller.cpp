#include "app/PresencePoller.h"

#include <algorithm>

namespace torvane::app {

namespace {

bool Lists(const std::vector<device::DeviceEvent>& adapters, const device::DeviceEvent& adapter) {
  return std::any_of(adapters.begin(), adapters.end(),
                     [&adapter](const device::DeviceEvent& other) { return other.path == adapter.path; });
}

}  // namespace

PresencePoller::PresencePoller(Lister lister, AdapterSource::ChangeHandler handler, std::chrono::milliseconds interval)
    : lister_(std::move(lister)), handler_(std::move(handler)), known_(lister_()) {
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  timer_.start(interval);
}

void PresencePoller::Poll() {
  std::vector<device::DeviceEvent> present = lister_();
  // Removals first, so a node that went and came back under another path reads as the new adapter.
  for (const device::DeviceEvent& adapter : known_) {
    if (!Lists(present, adapter) && handler_) handler_(AdapterSource::Change::kRemoval, adapter);
  }
  for (const device::DeviceEvent& adapter : present) {
    if (!Lists(known_, adapter) && handler_) handler_(AdapterSource::Change::kArrival, adapter);
  }
  known_ = std::move(present);
}

}  // namespace torvane::app
