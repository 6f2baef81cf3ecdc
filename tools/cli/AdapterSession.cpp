#include "AdapterSession.h"

#include "CliTexts.h"
#include "ExitCodes.h"
#include "Output.h"
#include "ProgressBar.h"
#include "Prompter.h"
#include "SystemTime.h"
#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"
#include "device/DeviceMessages.h"
#include "device/HidTransport.h"
#include "device/SocketTransport.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualTransport.h"
#include "platform/BackupTexts.h"
#include "platform/DataFolder.h"

namespace torvane::cli {

namespace {

std::string BackupRoot() {
  const std::string data = platform::ApplicationDataFolder(platform::kManagerDataName);
  // No data folder at all: an empty root makes every backup fail, so each write asks.
  return data.empty() ? std::string() : data + "/backups";
}

}  // namespace

AdapterSession::AdapterSession(const CliOptions& options, Output& output, const Prompter& prompter)
    : output_(output), prompter_(prompter), backups_(BackupRoot()) {
  switch (options.adapter) {
    case CliOptions::Adapter::kUsb:
      transport_ = std::make_unique<device::HidTransport>();
      break;
    case CliOptions::Adapter::kSocket:
      transport_ = std::make_unique<device::SocketTransport>(options.socket_path);
      break;
    case CliOptions::Adapter::kVirtual:
      virtual_adapter_ = std::make_unique<emulator::VirtualAdapter>();
      emulator::LoadScenario(*virtual_adapter_, options.scenario);  // the name was checked with the options
      transport_ = std::make_unique<emulator::VirtualTransport>(*virtual_adapter_);
      break;
  }
}

AdapterSession::~AdapterSession() = default;

std::vector<std::string> AdapterSession::ListAdapters() {
  return transport_ ? transport_->ListAdapters() : std::vector<std::string>{};
}

int AdapterSession::Connect() {
  const std::vector<std::string> adapters = ListAdapters();
  if (adapters.empty()) {
    output_.Error(kNoAdapterTitle, kNoAdapterText);
    return kExitNoAdapter;
  }
  context_.set_device_path(adapters.front());
  worker_ = std::make_unique<device::DeviceWorker>(std::move(transport_), context_, results_);
  worker_->set_report_read_progress(true);
  if (const int error = worker_->Start(); error != 0) {
    output_.Error(device::kUsbErrorTitle, device::WorkerStartFailedText(error));
    return kExitDeviceFailed;
  }
  return kExitOk;
}

int AdapterSession::DeviceFailed() {
  output_.Error(device::kUsbErrorTitle, device::UsbErrorText(context_.last_error()));
  return kExitDeviceFailed;
}

int AdapterSession::Read(bool accept_old_generation) {
  ProgressBar bar("Reading");
  worker_->PostRead(0, 1, results_);
  for (;;) {
    ResultQueue::Result result = results_->Next();
    switch (result.message) {
      case device::MSG_PROGRESS:
        bar.Show(static_cast<int>(result.wparam));
        break;
      case device::MSG_DEVICE_FAILED:
        bar.Finish();
        return DeviceFailed();
      case device::MSG_READ_DONE:
      case device::MSG_INCOMPATIBLE:
        bar.Finish();
        *image_ = *result.read->image;
        run_status_ = result.read->run_status;
        old_generation_ = result.message == device::MSG_INCOMPATIBLE ? result.wparam : 0;
        if (old_generation_ == 0) {
          backups_.TakeRead(*image_);
          return kExitOk;
        }
        if (accept_old_generation) return kExitOk;
        output_.Error(device::kErrorTitle, old_generation_ == device::kIncompatibleUpgradable
                                               ? kIncompatibleUpgradableText
                                               : kIncompatibleText);
        return kExitAdapterState;
      default:
        break;
    }
  }
}

int AdapterSession::Write(const device::WritePlan& plan, const std::string& label) {
  const std::string error =
      backups_.store().root().empty() ? std::string(platform::kNoDataFolderError) : backups_.BackUp(SecondsNow());
  if (!error.empty() && !prompter_.Ask(platform::kBackupTitle, platform::BackupFailedQuestion(error))) {
    return kExitDeclined;
  }
  ProgressBar bar(label);
  worker_->PostWrite(0, plan, results_);
  for (;;) {
    const ResultQueue::Result result = results_->Next();
    if (result.message == device::MSG_DEVICE_FAILED) {
      bar.Finish();
      return DeviceFailed();
    }
    if (result.message != device::MSG_PROGRESS) continue;
    bar.Show(static_cast<int>(result.wparam));
    if (result.wparam == 100) {
      backups_.TakeWritten(plan);
      return kExitOk;
    }
  }
}

}  // namespace torvane::cli
