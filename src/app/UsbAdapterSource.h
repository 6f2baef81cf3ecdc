#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

#include "app/AdapterSource.h"
#include "platform/UdevMonitor.h"

namespace torvane::app {

// The adapter on the USB bus: hidraw nodes found and watched through udev, opened through hidapi.
class UsbAdapterSource final : public QObject, public AdapterSource {
 public:
  UsbAdapterSource();
  ~UsbAdapterSource() override;

  void Watch(ChangeHandler handler) override;
  std::vector<device::DeviceEvent> PresentAdapters() override;
  device::InstallationState QueryInstallation() override;
  std::unique_ptr<device::Transport> CreateTransport() override;

 private:
  void OnReadable();

  std::unique_ptr<platform::UdevMonitor> monitor_;
  std::unique_ptr<QSocketNotifier> notifier_;
  ChangeHandler handler_;
};

}  // namespace torvane::app
