#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <memory>

#include "app/AdapterSource.h"
#include "app/PresencePoller.h"

namespace torvane::app {

// A virtual adapter served by another process over a stream socket: the socket file appearing is an arrival,
// its disappearing a removal. The socket's folder is watched, since the file itself comes and goes; when the
// folder cannot be watched (it does not exist yet, or the system's watches are used up) its presence is polled.
class SocketAdapterSource final : public QObject, public AdapterSource {
 public:
  explicit SocketAdapterSource(QString socket_path);

  void Watch(ChangeHandler handler) override;
  std::vector<device::DeviceEvent> PresentAdapters() override;
  device::InstallationState QueryInstallation() override { return device::InstallationState::kIdle; }
  std::unique_ptr<device::Transport> CreateTransport() override;

  // Whether changes are found by polling instead of the folder watch.
  bool IsPolling() const { return poller_ != nullptr; }

 private:
  bool SocketExists() const;
  device::DeviceEvent AdapterEvent() const;
  void OnFolderChanged();

  const QString socket_path_;
  QFileSystemWatcher watcher_;
  std::unique_ptr<PresencePoller> poller_;
  ChangeHandler handler_;
  bool present_ = false;
};

}  // namespace torvane::app
