#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "device/DeviceContext.h"
#include "device/DeviceMessages.h"
#include "device/DeviceWorker.h"
#include "device/ResultTarget.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualAdapter.h"
#include "emulator/VirtualTransport.h"
#include "support/WorkerProbes.h"

namespace torvane::testing {

// What the device worker reads of a virtual adapter in `scenario`, as a front end gets it; nothing when the
// scenario is unknown or the read fails.
inline std::shared_ptr<device::ReadResult> ReadScenario(const std::string& scenario) {
  emulator::VirtualAdapter adapter;
  if (!emulator::LoadScenario(adapter, scenario)) return nullptr;
  device::DeviceContext context;
  context.set_device_path(emulator::kVirtualAdapterPath);
  auto results = std::make_shared<Collector>();
  device::DeviceWorker worker(std::make_unique<emulator::VirtualTransport>(adapter), context, results);
  if (worker.Start() != 0) return nullptr;
  worker.PostRead(0, 1, results);
  const bool ended = results->WaitUntil([](const std::vector<Collector::Result>& seen) {
    return !seen.empty() && seen.back().message != device::MSG_PROGRESS;
  });
  return ended ? results->last_read() : nullptr;
}

}  // namespace torvane::testing
