#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <vector>

#include "app/AdapterSource.h"

namespace torvane::app {

// Arrivals and removals found by asking which adapters are present at a fixed interval, for a source whose
// system notifications cannot be watched. Adapters are told apart by path; those present at the start are known.
class PresencePoller final : public QObject {
 public:
  using Lister = std::function<std::vector<device::DeviceEvent>()>;

  PresencePoller(Lister lister, AdapterSource::ChangeHandler handler, std::chrono::milliseconds interval);

 private:
  void Poll();

  Lister lister_;
  AdapterSource::ChangeHandler handler_;
  std::vector<device::DeviceEvent> known_;
  QTimer timer_;
};

}  // namespace torvane::app
