#include "app/demo/VirtualAdapterSource.h"

#include <QMetaObject>

#include "device/ProtocolCodes.h"
#include "emulator/VirtualTransport.h"

namespace torvane::app::demo {

VirtualAdapterSource::VirtualAdapterSource(emulator::VirtualAdapter& adapter) : adapter_(adapter) {}

VirtualAdapterSource::VirtualAdapterSource(std::unique_ptr<emulator::VirtualAdapter> adapter)
    : owned_(std::move(adapter)), adapter_(*owned_) {}

VirtualAdapterSource::~VirtualAdapterSource() {
  // Waits for a listener call in progress; notices it queued before are dropped with this object.
  adapter_.SetPlugListener(nullptr);
}

device::DeviceEvent VirtualAdapterSource::AdapterEvent() {
  return device::DeviceEvent{emulator::kVirtualAdapterPath, device::kVendorId, device::kProductIdB372};
}

void VirtualAdapterSource::Watch(ChangeHandler handler) {
  handler_ = std::move(handler);
  // The listener runs on the thread that plugged; the queued call is dropped if this source is gone by then.
  adapter_.SetPlugListener([this](bool plugged) {
    QMetaObject::invokeMethod(
        this,
        [this, plugged] {
          if (handler_) handler_(plugged ? Change::kArrival : Change::kRemoval, AdapterEvent());
        },
        Qt::QueuedConnection);
  });
}

std::vector<device::DeviceEvent> VirtualAdapterSource::PresentAdapters() {
  if (!adapter_.IsPlugged()) return {};
  return {AdapterEvent()};
}

std::unique_ptr<device::Transport> VirtualAdapterSource::CreateTransport() {
  return std::make_unique<emulator::VirtualTransport>(adapter_);
}

}  // namespace torvane::app::demo
