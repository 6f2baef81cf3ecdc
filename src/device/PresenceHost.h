#pragma once

namespace torvane::device {

// What the system says about device installations when the settle timer ticks.
enum class InstallationState { kIdle, kPending, kQueryFailed };

// The UI side of the presence logic: a one-second settle timer, the posts to
// the worker and to the main window, and the installation query. The UI
// implements it with a timer of its event loop; tests with a fake.
class PresenceHost {
 public:
  virtual ~PresenceHost() = default;
  // Starts the 1,000 ms periodic settle timer, or restarts it when it runs.
  virtual void StartSettleTimer() = 0;
  virtual void StopSettleTimer() = 0;
  // REQ_READ_CONFIG to the worker, results to the main window.
  virtual void PostReadRequest() = 0;
  // MSG_DEVICE_REMOVED to the main window.
  virtual void PostDeviceRemoved() = 0;
  virtual InstallationState QueryInstallation() = 0;
};

}  // namespace torvane::device
