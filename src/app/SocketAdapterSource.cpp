#include "app/SocketAdapterSource.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>

#include "device/ProtocolCodes.h"
#include "device/SocketTransport.h"
#include "device/SocketTransportSystem.h"

namespace torvane::app {

namespace {

// Often enough that a plug is seen well within the settle second that follows it.
constexpr std::chrono::milliseconds kPollInterval{250};

}  // namespace

SocketAdapterSource::SocketAdapterSource(QString socket_path) : socket_path_(std::move(socket_path)) {}

bool SocketAdapterSource::SocketExists() const {
  // A socket on Linux; on Windows the file that holds the listener's port.
  return device::SocketPathPresent(socket_path_.toUtf8().toStdString());
}

device::DeviceEvent SocketAdapterSource::AdapterEvent() const {
  // The socket path carries no adapter text, so the ids come alongside.
  return device::DeviceEvent{socket_path_.toStdString(), device::kVendorId, device::kProductIdB372};
}

void SocketAdapterSource::Watch(ChangeHandler handler) {
  handler_ = std::move(handler);
  present_ = SocketExists();
  if (watcher_.addPath(QFileInfo(socket_path_).absolutePath())) {
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { OnFolderChanged(); });
    return;
  }
  poller_ = std::make_unique<PresencePoller>([this] { return PresentAdapters(); }, handler_, kPollInterval);
}

void SocketAdapterSource::OnFolderChanged() {
  const bool present = SocketExists();
  if (present == present_) return;
  present_ = present;
  if (handler_) handler_(present ? Change::kArrival : Change::kRemoval, AdapterEvent());
}

std::vector<device::DeviceEvent> SocketAdapterSource::PresentAdapters() {
  if (!SocketExists()) return {};
  return {AdapterEvent()};
}

std::unique_ptr<device::Transport> SocketAdapterSource::CreateTransport() {
  return std::make_unique<device::SocketTransport>(socket_path_.toUtf8().toStdString());
}

}  // namespace torvane::app
