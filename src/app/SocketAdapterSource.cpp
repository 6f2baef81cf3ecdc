#include "app/SocketAdapterSource.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <filesystem>
#include <system_error>

#include "device/ProtocolCodes.h"
#include "device/SocketTransport.h"

namespace torvane::app {

namespace {

// Often enough that a plug is seen well within the settle second that follows it.
constexpr std::chrono::milliseconds kPollInterval{250};

}  // namespace

SocketAdapterSource::SocketAdapterSource(QString socket_path) : socket_path_(std::move(socket_path)) {}

bool SocketAdapterSource::SocketExists() const {
  std::error_code error;
  return std::filesystem::is_socket(QFile::encodeName(socket_path_).toStdString(), error);
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
  return std::make_unique<device::SocketTransport>(QFile::encodeName(socket_path_).toStdString());
}

}  // namespace torvane::app
