#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "device/DevicePresence.h"
#include "device/PresenceHost.h"
#include "device/Transport.h"

namespace torvane::app {

// Where the program finds its adapter: the USB bus, an in-process virtual adapter or one served over a socket.
// A source lists the adapters present, reports arrivals and removals on the UI thread, answers the installation
// question of the settle timer and makes the transport the device worker talks through.
class AdapterSource {
 public:
  enum class Change { kArrival, kRemoval };
  using ChangeHandler = std::function<void(Change change, const device::DeviceEvent& event)>;

  virtual ~AdapterSource() = default;

  // Starts reporting changes to `handler`, always on the UI thread. Called once; a source whose system
  // notifications cannot be watched finds the changes by polling.
  virtual void Watch(ChangeHandler handler) = 0;
  virtual std::vector<device::DeviceEvent> PresentAdapters() = 0;
  virtual device::InstallationState QueryInstallation() = 0;
  // The worker's transport; called once.
  virtual std::unique_ptr<device::Transport> CreateTransport() = 0;
};

}  // namespace torvane::app
