#include "device/OverlappedHidTransport.h"

#include <utility>

#include "device/AdapterPath.h"

namespace torvane::device {

OverlappedHidTransport::OverlappedHidTransport(std::unique_ptr<OverlappedHidCalls> calls) : calls_(std::move(calls)) {}

OverlappedHidTransport::~OverlappedHidTransport() {
  Close();
}

std::vector<std::string> OverlappedHidTransport::ListAdapters() {
  std::vector<std::string> adapters;
  for (const std::string& path : calls_->InterfacePaths()) {
    if (IsAdapterPath(path)) adapters.push_back(ToUpperAscii(path));
  }
  return adapters;
}

int OverlappedHidTransport::Open(const std::string& path) {
  Close();
  if (const int error = calls_->Open(path, Direction::kWrite); error != 0) return error;
  if (const int error = calls_->Open(path, Direction::kRead); error != 0) {
    calls_->Close(Direction::kWrite);
    return error;
  }
  return kTransportOk;
}

void OverlappedHidTransport::Close() {
  calls_->Close(Direction::kRead);
  calls_->Close(Direction::kWrite);
}

// The wait and the outcome of a started transfer. A transfer that finished at
// once still waits on its event and keeps that wait's result; one that is
// pending is cancelled when its wait does not end signalled.
int OverlappedHidTransport::Finish(Direction direction, OverlappedHidCalls::Start start,
                                   std::chrono::milliseconds timeout) {
  int wait = kTransportOk;
  if (start.completed) {
    wait = calls_->Wait(direction, timeout);
  } else if (start.error == kIoPending || start.error == 0) {
    wait = calls_->Wait(direction, timeout);
    if (wait != kTransportOk) {
      calls_->Cancel(direction);
      return wait;
    }
  } else {
    calls_->Cancel(direction);
    return start.error;
  }
  std::uint32_t length = 0;
  if (const int error = calls_->Outcome(direction, length); error != 0) {
    calls_->Cancel(direction);
    return error;
  }
  if (direction == Direction::kRead && calls_->Received()[0] != 0) return kWrongReportId;
  if (length != kReportSize) return kWrongLength;
  return wait;
}

int OverlappedHidTransport::WriteReport(const Report& report, std::chrono::milliseconds timeout) {
  if (!calls_->IsOpen(Direction::kWrite)) return kInvalidHandle;
  return Finish(Direction::kWrite, calls_->StartWrite(report), timeout);
}

int OverlappedHidTransport::ReadReport(Report& report, std::chrono::milliseconds timeout) {
  if (!calls_->IsOpen(Direction::kRead)) return kInvalidHandle;
  const int result = Finish(Direction::kRead, calls_->StartRead(), timeout);
  if (result == kTransportOk || result == kWrongLength || result == kWrongReportId) report = calls_->Received();
  return result;
}

}  // namespace torvane::device
