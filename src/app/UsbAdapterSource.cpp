#include "app/UsbAdapterSource.h"

#include "device/HidTransport.h"

namespace torvane::app {

UsbAdapterSource::UsbAdapterSource() : monitor_(platform::UdevMonitor::Create()) {}

UsbAdapterSource::~UsbAdapterSource() = default;

void UsbAdapterSource::Watch(ChangeHandler handler) {
  handler_ = std::move(handler);
  if (!monitor_ || monitor_->fd() < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(monitor_->fd(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

void UsbAdapterSource::OnReadable() {
  for (const platform::UdevMonitor::Event& event : monitor_->DrainEvents()) {
    if (!handler_) continue;
    handler_(event.kind == platform::UdevMonitor::EventKind::kArrival ? Change::kArrival : Change::kRemoval,
             event.device);
  }
}

std::vector<device::DeviceEvent> UsbAdapterSource::PresentAdapters() {
  if (!monitor_) return {};
  return monitor_->EnumerateAdapters();
}

device::InstallationState UsbAdapterSource::QueryInstallation() {
  if (!monitor_) return device::InstallationState::kIdle;
  return monitor_->QueryInstallation();
}

std::unique_ptr<device::Transport> UsbAdapterSource::CreateTransport() {
  return std::make_unique<device::HidTransport>();
}

}  // namespace torvane::app
