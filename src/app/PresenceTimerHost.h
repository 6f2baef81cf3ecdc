#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

#include "device/PresenceHost.h"

namespace torvane::app {

// The presence logic's side on the UI thread: one periodic settle timer of the event loop, and the posts and the
// installation query handed in by the main window.
class PresenceTimerHost final : public QObject, public device::PresenceHost {
 public:
  static constexpr int kSettleIntervalMs = 1000;

  struct Actions {
    std::function<void()> on_tick;  // the presence logic's timer handler
    std::function<void()> post_read_request;
    std::function<void()> post_device_removed;
    std::function<device::InstallationState()> query_installation;
  };

  explicit PresenceTimerHost(Actions actions, QObject* parent = nullptr);

  void StartSettleTimer() override;
  void StopSettleTimer() override;
  void PostReadRequest() override;
  void PostDeviceRemoved() override;
  device::InstallationState QueryInstallation() override;

  bool IsSettling() const { return timer_.isActive(); }

 private:
  Actions actions_;
  QTimer timer_;
};

}  // namespace torvane::app
