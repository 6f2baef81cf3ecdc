#include "emulator/VirtualTransport.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace torvane::emulator {

VirtualTransport::VirtualTransport(VirtualAdapter& adapter, std::string path)
    : adapter_(adapter), path_(std::move(path)) {}

std::vector<std::string> VirtualTransport::ListAdapters() {
  if (!adapter_.IsPlugged()) return {};
  return {path_};
}

int VirtualTransport::Open(const std::string& path) {
  Close();
  if (path != path_) return ENOENT;
  const std::uint64_t generation = adapter_.generation();
  if (!adapter_.IsConnected(generation)) return ENODEV;
  generation_ = generation;
  open_ = true;
  return device::kTransportOk;
}

void VirtualTransport::Close() {
  open_ = false;
  answers_.clear();
}

int VirtualTransport::WriteReport(const device::Report& report, std::chrono::milliseconds timeout) {
  if (!open_) return EBADF;
  if (!adapter_.IsConnected(generation_)) return ENODEV;
  // The adapter has no numbered reports; the system refuses any other id.
  if (report[0] != 0) return EINVAL;
  const Clock::time_point start = Clock::now();
  if (latency_ > timeout) {
    if (!adapter_.WaitConnected(generation_, start + timeout)) return ENODEV;
    return device::kTimeout;
  }
  if (latency_.count() > 0 && !adapter_.WaitConnected(generation_, start + latency_)) return ENODEV;

  HandleResult result = adapter_.Handle(report, generation_);
  // A request that leaves before the adapter goes is written; its answer never comes.
  if (result.outcome == RequestOutcome::kAnswered) {
    // Link time runs on from when the request was due to arrive, not from when
    // this thread woke up, so late wake-ups do not pile up over a long read.
    const Clock::time_point received = latency_.count() > 0 ? start + latency_ : Clock::now();
    answers_.push_back({result.answer, received + result.answer.busy + latency_});
  }
  return device::kTransportOk;
}

int VirtualTransport::ReadReport(device::Report& report, std::chrono::milliseconds timeout) {
  if (!open_) return EBADF;
  const Clock::time_point deadline = Clock::now() + timeout;
  if (answers_.empty() || answers_.front().arrives > deadline) {
    if (!adapter_.WaitConnected(generation_, deadline)) return ENODEV;
    return device::kTimeout;
  }
  // An answer that is already due needs no timed wait, which would put the
  // thread to sleep and make the virtual adapter the slow part of a run.
  const Clock::time_point arrives = answers_.front().arrives;
  const bool connected =
      arrives <= Clock::now() ? adapter_.IsConnected(generation_) : adapter_.WaitConnected(generation_, arrives);
  if (!connected) return ENODEV;
  const AdapterAnswer answer = std::move(answers_.front().answer);
  answers_.pop_front();

  report.fill(0);
  std::copy_n(answer.report.begin(), std::min(answer.size, report.size()), report.begin());
  if (report[0] != 0) return device::kWrongReportId;
  if (answer.size != device::kReportSize) return device::kWrongLength;
  return device::kTransportOk;
}

}  // namespace torvane::emulator
