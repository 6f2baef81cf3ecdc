#include "app/PresenceTimerHost.h"

namespace torvane::app {

PresenceTimerHost::PresenceTimerHost(Actions actions, QObject* parent) : QObject(parent), actions_(std::move(actions)) {
  timer_.setInterval(kSettleIntervalMs);
  timer_.setSingleShot(false);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (actions_.on_tick) actions_.on_tick();
  });
}

void PresenceTimerHost::StartSettleTimer() {
  // start() on a running timer stops it and starts it anew: the full second counts from the latest adapter.
  timer_.start();
}

void PresenceTimerHost::StopSettleTimer() {
  timer_.stop();
}

void PresenceTimerHost::PostReadRequest() {
  if (actions_.post_read_request) actions_.post_read_request();
}

void PresenceTimerHost::PostDeviceRemoved() {
  if (actions_.post_device_removed) actions_.post_device_removed();
}

device::InstallationState PresenceTimerHost::QueryInstallation() {
  return actions_.query_installation ? actions_.query_installation() : device::InstallationState::kIdle;
}

}  // namespace torvane::app
