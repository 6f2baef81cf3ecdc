#pragma once

#include <QSocketNotifier>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/DevicePresence.h"
#include "device/HidIds.h"
#include "device/PresenceHost.h"
#include "platform/HotplugMonitor.h"

struct udev;
struct udev_monitor;
struct udev_queue;
struct udev_device;

namespace torvane::platform {

// The adapters' hidraw device nodes on Linux: those present now, and their
// arrival and removal as udev reports them. Runs on the UI thread, whose event
// loop watches fd() and drains the events when it is readable.
class UdevMonitor final : public HotplugMonitor {
 public:
  struct Event {
    Change kind;
    device::DeviceEvent device;  // the device node with the adapter's ids
  };

  // Nothing when udev or its monitor cannot be set up.
  static std::unique_ptr<UdevMonitor> Create();
  ~UdevMonitor() override;
  UdevMonitor(const UdevMonitor&) = delete;
  UdevMonitor& operator=(const UdevMonitor&) = delete;

  std::vector<device::DeviceEvent> EnumerateAdapters() override;
  bool Watch(Handler handler) override;
  // Installations count as pending while udev still has events queued.
  device::InstallationState QueryInstallation() const override;

  // Readable while events wait; non-blocking.
  int fd() const;
  // Takes every waiting event and returns the adapters' arrivals and removals.
  std::vector<Event> DrainEvents();

 private:
  struct UdevUnref {
    void operator()(udev* handle) const;
  };
  struct MonitorUnref {
    void operator()(udev_monitor* handle) const;
  };
  struct QueueUnref {
    void operator()(udev_queue* handle) const;
  };

  UdevMonitor() = default;
  // Remembers an adapter's node with its ids; a removal can no longer read them from sysfs.
  bool Remember(udev_device* device, device::DeviceEvent& out);

  std::unique_ptr<udev, UdevUnref> udev_;
  std::unique_ptr<udev_monitor, MonitorUnref> monitor_;
  std::unique_ptr<udev_queue, QueueUnref> queue_;
  std::map<std::string, device::HidIds> adapters_;
  std::unique_ptr<QSocketNotifier> notifier_;
  Handler handler_;
};

}  // namespace torvane::platform
