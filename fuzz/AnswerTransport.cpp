#include "AnswerTransport.h"

#include <algorithm>

#include "device/ProtocolCodes.h"
#include "model/LittleEndian.h"

namespace torvane::fuzz {

namespace {

constexpr int kFailures[] = {device::kTimeout, device::kWrongLength, device::kWrongReportId, device::kAccessDenied,
                             5 /* EIO */};

}  // namespace

int AnswerTransport::WriteReport(const device::Report& report, std::chrono::milliseconds /*timeout*/) {
  request_ = report;
  return device::kTransportOk;
}

device::Report AnswerTransport::FittingAnswer(const device::Report& request) {
  device::Report answer{};
  const std::uint32_t command = model::ReadU32(&request[device::kOffsetCommand]);
  std::uint32_t code = command;
  switch (command) {
    case device::kCmdReadFlash:
      code = device::kAnswerFlash;
      break;
    case device::kCmdWriteFlash:
      answer = request;
      code = device::kAnswerFlash;
      break;
    case device::kCmdEraseFlash:
      code = device::kAnswerErase;
      break;
    case device::kCmdGetSysRunStatus:
      code = device::kAnswerRunStatus;
      break;
    case device::kCmdGetKeyCode:
      code = device::kAnswerKeyCode;
      break;
    default:
      break;
  }
  model::WriteU32(&answer[device::kOffsetCommand], code);
  std::copy_n(request.begin() + device::kOffsetAddress, 8, answer.begin() + device::kOffsetAddress);
  return answer;
}

int AnswerTransport::ReadReport(device::Report& report, std::chrono::milliseconds /*timeout*/) {
  const auto control = input_.ConsumeIntegral<std::uint8_t>();
  switch (control & 0x03) {
    case kFailure:
      return input_.PickValueInArray(kFailures);
    case kRaw: {
      report.fill(0);
      const auto bytes = input_.ConsumeBytes<std::uint8_t>(report.size());
      std::copy(bytes.begin(), bytes.end(), report.begin());
      return device::kTransportOk;
    }
    default:
      break;
  }
  report = FittingAnswer(request_);
  const std::uint32_t length = model::ReadU32(&request_[device::kOffsetLength]);
  const std::uint32_t command = model::ReadU32(&request_[device::kOffsetCommand]);
  // A write's answer echoes its data and an erase's has none.
  if (command != device::kCmdWriteFlash && command != device::kCmdEraseFlash) {
    const auto data = input_.ConsumeBytes<std::uint8_t>(std::min<std::size_t>(length, device::kMaxChunk));
    std::copy(data.begin(), data.end(), report.begin() + device::kOffsetData);
  }
  if (control & kDamaged) {
    const auto at = input_.ConsumeIntegralInRange<std::size_t>(0, device::kOffsetData - 1);
    report[at] = static_cast<std::uint8_t>(report[at] ^ input_.ConsumeIntegralInRange<std::uint8_t>(1, 255));
  }
  return device::kTransportOk;
}

}  // namespace torvane::fuzz
