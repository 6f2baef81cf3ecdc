#pragma once

#include <memory>

#include "app/AdapterSource.h"
#include "app/PresencePoller.h"
#include "platform/HotplugMonitor.h"

namespace torvane::app {

// The adapter on the USB bus: found and watched through the system's device notifications, opened through hidapi.
class UsbAdapterSource final : public AdapterSource {
 public:
  // Without a monitor no adapter is ever found and installations never count as pending; a monitor that cannot
  // watch is asked for the adapters present every second instead.
  explicit UsbAdapterSource(std::unique_ptr<platform::HotplugMonitor> monitor = platform::HotplugMonitor::Create());
  ~UsbAdapterSource() override;

  void Watch(ChangeHandler handler) override;
  std::vector<device::DeviceEvent> PresentAdapters() override;
  device::InstallationState QueryInstallation() override;
  std::unique_ptr<device::Transport> CreateTransport() override;

 private:
  std::unique_ptr<platform::HotplugMonitor> monitor_;
  std::unique_ptr<PresencePoller> poller_;  // when the monitor cannot watch
};

}  // namespace torvane::app
