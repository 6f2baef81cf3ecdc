#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "ResultQueue.h"
#include "device/DeviceContext.h"
#include "device/DeviceWorker.h"
#include "device/RunStatus.h"
#include "device/Transport.h"
#include "device/WritePlan.h"
#include "emulator/VirtualAdapter.h"
#include "model/FlashImage.h"
#include "platform/AdapterBackups.h"

namespace torvane::cli {

class Output;
class Prompter;

// One adapter as the command line works with it: the transport the options
// name behind a device worker, each read and write waited out with a progress
// bar, and the backup before every write, as the manager's window does them.
// The main thread owns the image; the worker hands each read over whole.
class AdapterSession {
 public:
  AdapterSession(const CliOptions& options, Output& output, const Prompter& prompter);
  ~AdapterSession();
  AdapterSession(const AdapterSession&) = delete;
  AdapterSession& operator=(const AdapterSession&) = delete;

  // The adapters present; only before Connect.
  std::vector<std::string> ListAdapters();
  // Takes the first adapter found and starts the worker: kExitOk, or kExitNoAdapter (told).
  int Connect();

  // Reads the adapter: kExitOk with image() and run_status() fresh, otherwise
  // told and the exit code. An adapter of the older generation is kExitOk only
  // with `accept_old_generation` (its information block alone was read).
  int Read(bool accept_old_generation = false);
  // MSG_INCOMPATIBLE's wParam of the last read; 0 for a current adapter.
  std::uint32_t old_generation() const { return old_generation_; }

  model::FlashImage& image() { return *image_; }
  const device::RunStatus& run_status() const { return run_status_; }
  platform::AdapterBackups& backups() { return backups_; }

  // Backs up what the adapter holds, then writes `plan` and reads it back:
  // kExitOk, kExitDeclined (the backup failed and writing without one was
  // declined) or kExitDeviceFailed (told).
  int Write(const device::WritePlan& plan, const std::string& label);

 private:
  int DeviceFailed();

  Output& output_;
  const Prompter& prompter_;
  std::unique_ptr<emulator::VirtualAdapter> virtual_adapter_;  // outlives the worker that reaches it
  std::unique_ptr<device::Transport> transport_;               // until the worker takes it
  device::DeviceContext context_;
  std::shared_ptr<ResultQueue> results_ = std::make_shared<ResultQueue>();
  std::unique_ptr<device::DeviceWorker> worker_;
  std::unique_ptr<model::FlashImage> image_ = model::MakeFlashImage();
  device::RunStatus run_status_;
  std::uint32_t old_generation_ = 0;
  platform::AdapterBackups backups_;
};

}  // namespace torvane::cli
