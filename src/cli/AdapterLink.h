#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ResultQueue.h"
#include "core/Host.h"
#include "device/DeviceContext.h"
#include "device/DeviceFailure.h"
#include "device/DeviceWorker.h"
#include "device/ReadResult.h"
#include "device/Transport.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::cli {

// The adapter the options name, behind a device worker whose results the main thread waits for: the command
// line's event loop. Each read and write shows its progress on standard error.
class AdapterLink {
 public:
  explicit AdapterLink(const CliOptions& options);
  ~AdapterLink();
  AdapterLink(const AdapterLink&) = delete;
  AdapterLink& operator=(const AdapterLink&) = delete;

  // The adapters present; only before Connect.
  std::vector<std::string> ListAdapters();
  // Takes the first adapter found and starts the worker: 0, or the system error code of a worker that could not
  // start. False in `found` when there is no adapter.
  int Connect(bool& found);

  struct Read {
    std::shared_ptr<device::ReadResult> read;  // when the adapter answered
    std::uint32_t old_generation = 0;          // MSG_INCOMPATIBLE's wParam; 0 for a current adapter
    device::DeviceFailure failure;             // when it did not
  };
  Read ReadAdapter();
  core::WriteResult Write(const device::WritePlan& plan, const std::string& label);

 private:
  std::unique_ptr<emulator::VirtualAdapter> virtual_adapter_;  // outlives the worker that reaches it
  std::unique_ptr<device::Transport> transport_;               // until the worker takes it
  device::DeviceContext context_;
  std::shared_ptr<ResultQueue> results_ = std::make_shared<ResultQueue>();
  std::unique_ptr<device::DeviceWorker> worker_;
};

}  // namespace torvane::cli
