#include "platform/linux/UdevMonitor.h"

#include <libudev.h>

#include <optional>
#include <string_view>
#include <utility>

#include "device/AdapterPath.h"

namespace torvane::platform {

namespace {

constexpr char kSubsystem[] = "hidraw";

struct DeviceUnref {
  void operator()(udev_device* device) const { udev_device_unref(device); }
};
struct EnumerateUnref {
  void operator()(udev_enumerate* enumerate) const { udev_enumerate_unref(enumerate); }
};

std::string_view Text(const char* text) {
  return text != nullptr ? std::string_view(text) : std::string_view();
}

// Vendor and product of a hidraw node: from the USB device above it, or from
// the hid device's HID_ID for adapters on other buses. Parents belong to the child.
std::optional<device::HidIds> IdsOf(udev_device* hidraw) {
  if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_device")) {
    const auto vendor = device::ParseHexId(Text(udev_device_get_sysattr_value(usb, "idVendor")));
    const auto product = device::ParseHexId(Text(udev_device_get_sysattr_value(usb, "idProduct")));
    if (vendor && product) return device::HidIds{*vendor, *product};
  }
  if (udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr)) {
    return device::ParseHidIdProperty(Text(udev_device_get_property_value(hid, "HID_ID")));
  }
  return std::nullopt;
}

}  // namespace

void UdevMonitor::UdevUnref::operator()(udev* handle) const {
  udev_unref(handle);
}
void UdevMonitor::MonitorUnref::operator()(udev_monitor* handle) const {
  udev_monitor_unref(handle);
}
void UdevMonitor::QueueUnref::operator()(udev_queue* handle) const {
  udev_queue_unref(handle);
}

std::unique_ptr<UdevMonitor> UdevMonitor::Create() {
  std::unique_ptr<UdevMonitor> monitor(new UdevMonitor());
  monitor->udev_.reset(udev_new());
  if (!monitor->udev_) return nullptr;
  // "udev" events come after the rules ran, so the node already has its permissions.
  monitor->monitor_.reset(udev_monitor_new_from_netlink(monitor->udev_.get(), "udev"));
  if (!monitor->monitor_ ||
      udev_monitor_filter_add_match_subsystem_devtype(monitor->monitor_.get(), kSubsystem, nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor->monitor_.get()) < 0) {
    return nullptr;
  }
  monitor->queue_.reset(udev_queue_new(monitor->udev_.get()));
  return monitor;
}

UdevMonitor::~UdevMonitor() = default;

bool UdevMonitor::Remember(udev_device* device, device::DeviceEvent& out) {
  const char* node = udev_device_get_devnode(device);
  if (node == nullptr) return false;
  const auto ids = IdsOf(device);
  if (!ids || !device::IsAdapterIds(ids->vendor_id, ids->product_id)) return false;
  adapters_[node] = *ids;
  out = device::DeviceEvent{node, ids->vendor_id, ids->product_id};
  return true;
}

std::vector<device::DeviceEvent> UdevMonitor::EnumerateAdapters() {
  std::vector<device::DeviceEvent> found;
  std::unique_ptr<udev_enumerate, EnumerateUnref> enumerate(udev_enumerate_new(udev_.get()));
  if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), kSubsystem) < 0 ||
      udev_enumerate_scan_devices(enumerate.get()) < 0) {
    return found;
  }
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
    std::unique_ptr<udev_device, DeviceUnref> device(
        udev_device_new_from_syspath(udev_.get(), udev_list_entry_get_name(entry)));
    device::DeviceEvent event;
    if (device && Remember(device.get(), event)) found.push_back(std::move(event));
  }
  return found;
}

bool UdevMonitor::Watch(Handler handler) {
  handler_ = std::move(handler);
  if (fd() < 0) return false;
  notifier_ = std::make_unique<QSocketNotifier>(fd(), QSocketNotifier::Read);
  // The notifier is the context: no call reaches this object once it is gone.
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
    for (const Event& event : DrainEvents()) {
      if (handler_) handler_(event.kind, event.device);
    }
  });
  return true;
}

int UdevMonitor::fd() const {
  return udev_monitor_get_fd(monitor_.get());
}

std::vector<UdevMonitor::Event> UdevMonitor::DrainEvents() {
  std::vector<Event> events;
  // The monitor's socket is non-blocking: receiving ends when nothing waits.
  while (true) {
    std::unique_ptr<udev_device, DeviceUnref> device(udev_monitor_receive_device(monitor_.get()));
    if (!device) break;
    const std::string_view action = Text(udev_device_get_action(device.get()));
    if (action == "add") {
      device::DeviceEvent event;
      if (Remember(device.get(), event)) events.push_back({Change::kArrival, std::move(event)});
    } else if (action == "remove") {
      const char* node = udev_device_get_devnode(device.get());
      if (node == nullptr) continue;
      const auto known = adapters_.find(node);
      if (known == adapters_.end()) continue;
      events.push_back({Change::kRemoval, {node, known->second.vendor_id, known->second.product_id}});
      adapters_.erase(known);
    }
  }
  return events;
}

device::InstallationState UdevMonitor::QueryInstallation() const {
  if (!queue_) return device::InstallationState::kQueryFailed;
  return udev_queue_get_queue_is_empty(queue_.get()) != 0 ? device::InstallationState::kIdle
                                                          : device::InstallationState::kPending;
}

}  // namespace torvane::platform
