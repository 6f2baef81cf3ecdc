#pragma once

#include <chrono>
#include <future>
#include <memory>
#include <string>

#include "device/DeviceContext.h"
#include "device/DeviceMessages.h"
#include "device/DeviceWorker.h"
#include "device/ResultTarget.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualAdapter.h"
#include "emulator/VirtualTransport.h"

namespace torvane::testing {

// What the device worker reads of a virtual adapter in `scenario`, as a front end gets it; nothing when the
// scenario is unknown or the read fails.
inline std::shared_ptr<device::ReadResult> ReadScenario(const std::string& scenario) {
  class Waiter final : public device::ResultTarget {
   public:
    void Deliver(int message, std::uint32_t, device::ResultPayload payload) override {
      if (message == device::MSG_PROGRESS || done_) return;
      done_ = true;
      read_.set_value(device::ReadOf(payload));
    }
    std::future<std::shared_ptr<device::ReadResult>> Result() { return read_.get_future(); }

   private:
    bool done_ = false;  // the worker thread's alone
    std::promise<std::shared_ptr<device::ReadResult>> read_;
  };
  emulator::VirtualAdapter adapter;
  if (!emulator::LoadScenario(adapter, scenario)) return nullptr;
  device::DeviceContext context;
  context.set_device_path(emulator::kVirtualAdapterPath);
  auto waiter = std::make_shared<Waiter>();
  auto result = waiter->Result();
  device::DeviceWorker worker(std::make_unique<emulator::VirtualTransport>(adapter), context, waiter);
  if (worker.Start() != 0) return nullptr;
  worker.PostRead(0, 1, waiter);
  if (result.wait_for(std::chrono::seconds(30)) != std::future_status::ready) return nullptr;
  return result.get();
}

}  // namespace torvane::testing
