#include "app/SocketAdapterSource.h"

#include <sys/stat.h>

#include <QFileInfo>

#include "device/SocketTransport.h"

namespace torvane::app {

namespace {

// The socket path carries no adapter text, so the ids come alongside.
constexpr std::uint16_t kVendorId = 0x0E3A;
constexpr std::uint16_t kProductId = 0xB372;

}  // namespace

SocketAdapterSource::SocketAdapterSource(QString socket_path) : socket_path_(std::move(socket_path)) {}

bool SocketAdapterSource::SocketExists() const {
  struct stat info {};
  const QByteArray path = socket_path_.toLocal8Bit();
  return ::stat(path.constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

device::DeviceEvent SocketAdapterSource::AdapterEvent() const {
  return device::DeviceEvent{socket_path_.toStdString(), kVendorId, kProductId};
}

void SocketAdapterSource::Watch(ChangeHandler handler) {
  handler_ = std::move(handler);
  present_ = SocketExists();
  watcher_.addPath(QFileInfo(socket_path_).absolutePath());
  QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { OnFolderChanged(); });
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
  return std::make_unique<device::SocketTransport>(socket_path_.toStdString());
}

}  // namespace torvane::app
