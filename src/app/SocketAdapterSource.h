#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include "app/AdapterSource.h"

namespace torvane::app {

// A virtual adapter served by another process over a stream socket: the socket file appearing is an arrival,
// its disappearing a removal. The socket's folder is watched, since the file itself comes and goes.
class SocketAdapterSource final : public QObject, public AdapterSource {
 public:
  explicit SocketAdapterSource(QString socket_path);

  void Watch(ChangeHandler handler) override;
  std::vector<device::DeviceEvent> PresentAdapters() override;
  device::InstallationState QueryInstallation() override { return device::InstallationState::kIdle; }
  std::unique_ptr<device::Transport> CreateTransport() override;

 private:
  bool SocketExists() const;
  device::DeviceEvent AdapterEvent() const;
  void OnFolderChanged();

  const QString socket_path_;
  QFileSystemWatcher watcher_;
  ChangeHandler handler_;
  bool present_ = false;
};

}  // namespace torvane::app
