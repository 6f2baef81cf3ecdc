#include "app/UsbAdapterSource.h"

#include <chrono>

#include "device/UsbTransport.h"

namespace torvane::app {

namespace {

constexpr std::chrono::milliseconds kPollInterval{1000};

}  // namespace

UsbAdapterSource::UsbAdapterSource(std::unique_ptr<platform::HotplugMonitor> monitor) : monitor_(std::move(monitor)) {}

UsbAdapterSource::~UsbAdapterSource() = default;

void UsbAdapterSource::Watch(ChangeHandler handler) {
  if (!monitor_) return;
  auto forward = [handler](platform::HotplugMonitor::Change change, const device::DeviceEvent& adapter) {
    if (!handler) return;
    handler(change == platform::HotplugMonitor::Change::kArrival ? Change::kArrival : Change::kRemoval, adapter);
  };
  if (monitor_->Watch(std::move(forward))) return;
  poller_ = std::make_unique<PresencePoller>([this] { return monitor_->EnumerateAdapters(); }, std::move(handler),
                                             kPollInterval);
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
  return device::MakeUsbTransport();
}

}  // namespace torvane::app
