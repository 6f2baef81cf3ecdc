#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "device/DevicePresence.h"
#include "device/PresenceHost.h"

namespace torvane::platform {

// The adapters attached to the machine as the system's device notifications see them: those present now, and
// their arrival and removal while the program runs.
class HotplugMonitor {
 public:
  enum class Change { kArrival, kRemoval };
  using Handler = std::function<void(Change change, const device::DeviceEvent& adapter)>;

  // This system's monitor; nothing when its device notifications cannot be reached.
  static std::unique_ptr<HotplugMonitor> Create();

  virtual ~HotplugMonitor() = default;

  // The adapters present now (the adapter's vendor id and either product id).
  virtual std::vector<device::DeviceEvent> EnumerateAdapters() = 0;
  // Reports arrivals and removals to `handler` from the event loop of the calling thread, the UI thread, until
  // the monitor is destroyed. False when the system's notifications cannot be watched; nothing is reported then.
  virtual bool Watch(Handler handler) = 0;
  // Whether the system is still setting up a device that arrived.
  virtual device::InstallationState QueryInstallation() const = 0;
};

}  // namespace torvane::platform
