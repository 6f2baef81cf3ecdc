#pragma once

#include <memory>
#include <vector>

#include "platform/HotplugMonitor.h"

namespace torvane::testing {

// A hot-plug monitor whose adapters and answers the test sets through the shared state it keeps after handing
// the monitor over.
class FakeHotplugMonitor final : public platform::HotplugMonitor {
 public:
  struct State {
    std::vector<device::DeviceEvent> present;
    bool can_watch = true;
    device::InstallationState installation = device::InstallationState::kIdle;
    Handler handler;  // set by Watch
  };

  explicit FakeHotplugMonitor(std::shared_ptr<State> state) : state_(std::move(state)) {}

  std::vector<device::DeviceEvent> EnumerateAdapters() override { return state_->present; }
  bool Watch(Handler handler) override {
    if (!state_->can_watch) return false;
    state_->handler = std::move(handler);
    return true;
  }
  device::InstallationState QueryInstallation() const override { return state_->installation; }

 private:
  std::shared_ptr<State> state_;
};

}  // namespace torvane::testing
