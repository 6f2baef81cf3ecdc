#include "cli/AdapterLink.h"

#include "cli/ProgressBar.h"
#include "device/DeviceMessages.h"
#include "device/SocketTransport.h"
#include "device/UsbTransport.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualTransport.h"

namespace torvane::cli {

AdapterLink::AdapterLink(const CliOptions& options) {
  switch (options.adapter) {
    case CliOptions::Adapter::kUsb:
      transport_ = device::MakeUsbTransport();
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

AdapterLink::~AdapterLink() = default;

std::vector<std::string> AdapterLink::ListAdapters() {
  return transport_ ? transport_->ListAdapters() : std::vector<std::string>{};
}

int AdapterLink::Connect(bool& found) {
  const std::vector<std::string> adapters = ListAdapters();
  found = !adapters.empty();
  if (!found) return 0;
  context_.set_device_path(adapters.front());
  worker_ = std::make_unique<device::DeviceWorker>(std::move(transport_), context_, results_);
  worker_->set_report_read_progress(true);
  return worker_->Start();
}

AdapterLink::Read AdapterLink::ReadAdapter() {
  ProgressBar bar("Reading");
  worker_->PostRead(0, 1, results_);
  for (;;) {
    ResultQueue::Result result = results_->Next();
    switch (result.message) {
      case device::MSG_PROGRESS:
        bar.Show(static_cast<int>(result.wparam));
        break;
      case device::MSG_DEVICE_FAILED:
        return {nullptr, 0, device::FailureOf(result.payload)};
      case device::MSG_READ_DONE:
      case device::MSG_INCOMPATIBLE:
        return {device::ReadOf(result.payload), result.message == device::MSG_INCOMPATIBLE ? result.wparam : 0, {}};
      default:
        break;
    }
  }
}

core::WriteResult AdapterLink::Write(const device::WritePlan& plan, const std::string& label) {
  ProgressBar bar(label);
  worker_->PostWrite(0, plan, results_);
  for (;;) {
    const ResultQueue::Result result = results_->Next();
    if (result.message == device::MSG_DEVICE_FAILED) return {false, device::FailureOf(result.payload)};
    if (result.message != device::MSG_PROGRESS) continue;
    bar.Show(static_cast<int>(result.wparam));
    if (result.wparam >= 100) return {true, {}};
  }
}

}  // namespace torvane::cli
