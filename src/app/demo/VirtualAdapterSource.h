#pragma once

#include <QObject>

#include <memory>

#include "app/AdapterSource.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::app::demo {

// The in-process virtual adapter as the program's adapter. Plugging and unplugging (from any thread, e.g. a
// test or a fault the adapter fires on the worker's thread) reach the UI thread as arrivals and removals.
class VirtualAdapterSource final : public QObject, public AdapterSource {
 public:
  // An adapter that outlives the source (tests keep theirs), or one the source owns (the program's demo).
  explicit VirtualAdapterSource(emulator::VirtualAdapter& adapter);
  explicit VirtualAdapterSource(std::unique_ptr<emulator::VirtualAdapter> adapter);
  ~VirtualAdapterSource() override;

  void Watch(ChangeHandler handler) override;
  std::vector<device::DeviceEvent> PresentAdapters() override;
  device::InstallationState QueryInstallation() override { return device::InstallationState::kIdle; }
  std::unique_ptr<device::Transport> CreateTransport() override;

  static device::DeviceEvent AdapterEvent();

 private:
  std::unique_ptr<emulator::VirtualAdapter> owned_;
  emulator::VirtualAdapter& adapter_;
  ChangeHandler handler_;
};

}  // namespace torvane::app::demo
