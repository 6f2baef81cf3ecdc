#include "device/FlashProtocol.h"

#include <algorithm>
#include <cstring>

#include "device/ProtocolCodes.h"
#include "device/TextFormat.h"
#include "model/LittleEndian.h"

namespace torvane::device {

namespace {

using model::ReadU32;

// The command codes as the failure texts print them.
constexpr int kReadCode = static_cast<int>(kCmdReadFlash);
constexpr int kWriteCode = static_cast<int>(kCmdWriteFlash);
using model::WriteU32;

std::uint32_t CommandOf(const Report& report) {
  return ReadU32(&report[kOffsetCommand]);
}
std::uint32_t AddressOf(const Report& report) {
  return ReadU32(&report[kOffsetAddress]);
}
std::uint32_t LengthOf(const Report& report) {
  return ReadU32(&report[kOffsetLength]);
}

void SetHeader(Report& report, std::uint32_t command, std::uint32_t address, std::uint32_t length) {
  WriteU32(&report[kOffsetCommand], command);
  WriteU32(&report[kOffsetAddress], address);
  WriteU32(&report[kOffsetLength], length);
}

// The header fields a flash answer echoes: code, address, length, report id.
bool FlashHeaderMatches(const Report& request, const Report& answer) {
  return answer[0] == 0 && CommandOf(answer) == kAnswerFlash && AddressOf(answer) == AddressOf(request) &&
         LengthOf(answer) == LengthOf(request);
}

}  // namespace

int FlashProtocol::ReadFlash(std::span<std::uint8_t> destination, std::uint32_t address) {
  Report request{};
  Report answer{};
  SetHeader(request, kCmdReadFlash, address, 0);
  std::size_t offset = 0;
  while (offset < destination.size()) {
    const auto n = static_cast<std::uint32_t>(std::min(kMaxChunk, destination.size() - offset));
    WriteU32(&request[kOffsetLength], n);
    if (int result = transport_.WriteReport(request, kReportTimeout); result != 0) {
      last_error_ = FormatText("ReadFlash:Write(%d,%d)", kReadCode, result);
      return result;
    }
    if (int result = transport_.ReadReport(answer, kReportTimeout); result != 0) {
      last_error_ = FormatText("ReadFlash:Read(%d,%d)", kReadCode, result);
      return result;
    }
    if (!FlashHeaderMatches(request, answer)) {
      last_error_ = FormatText("ReadFlash:Verify(%d,%d)", kReadCode, kAnswerMismatch);
      return kAnswerMismatch;
    }
    std::memcpy(destination.data() + offset, &answer[kOffsetData], n);
    offset += n;
    WriteU32(&request[kOffsetAddress], AddressOf(request) + n);
  }
  return 0;
}

int FlashProtocol::WriteFlash(const WritePlan& plan, const ProgressCallback& progress) {
  // Zero-filled once for the whole plan: after a short final chunk the bytes
  // behind its data still hold the previous chunk's, which the adapter ignores.
  Report request{};
  Report answer{};
  std::uint64_t written = 0;
  int last_percent = 0;
  for (const PlanEntry& entry : plan.entries()) {
    const std::span<const std::uint8_t> source = plan.EntryBytes(entry);
    std::uint32_t address = entry.address;
    std::size_t offset = 0;
    while (offset < source.size()) {
      const auto n = static_cast<std::uint32_t>(std::min(kMaxChunk, source.size() - offset));
      SetHeader(request, kCmdWriteFlash, address, n);
      std::memcpy(&request[kOffsetData], source.data() + offset, n);
      if (int result = transport_.WriteReport(request, kReportTimeout); result != 0) {
        last_error_ = FormatText("WriteFlash: Write(%d,%d)", kWriteCode, result);
        return result;
      }
      if (int result = transport_.ReadReport(answer, kReportTimeout); result != 0) {
        last_error_ = FormatText("WriteFlash: Read(%d,%d)", kWriteCode, result);
        return result;
      }
      if (!FlashHeaderMatches(request, answer)) {
        last_error_ = FormatText("WriteFlash:Verify2(%d,%d)", kWriteCode, kAnswerMismatch);
        return kAnswerMismatch;
      }
      if (std::memcmp(&answer[kOffsetData], &request[kOffsetData], n) != 0) {
        last_error_ = FormatText("WriteFlash:Verify1(%d,%d)", kWriteCode, kAnswerMismatch);
        return kAnswerMismatch;
      }
      written += n;
      address += n;
      offset += n;
      if (progress) {
        const int percent = static_cast<int>(written * 100 / plan.total());
        if (percent != last_percent) {
          last_percent = percent;
          progress(percent);
        }
      }
    }
  }
  return 0;
}

int FlashProtocol::EraseFlash(const WritePlan& plan) {
  Report request{};
  Report answer{};
  const std::span<const std::uint8_t> sectors = plan.sectors();
  SetHeader(request, kCmdEraseFlash, 0, plan.sector_count());
  std::copy(sectors.begin(), sectors.end(), request.begin() + kOffsetData);
  if (int result = transport_.WriteReport(request, kReportTimeout); result != 0) {
    last_error_ = FormatText("Erase Flash:Write(%d)", result);
    return result;
  }
  if (int result = transport_.ReadReport(answer, kEraseTimeout); result != 0) {
    last_error_ = FormatText("Erase Flash:Read(%d)", result);
    return result;
  }
  if (CommandOf(answer) != kAnswerErase) {
    last_error_ = FormatText("Erase Flash:Verify(%d)", kEraseNotAcknowledged);
    return kEraseNotAcknowledged;
  }
  return 0;
}

int FlashProtocol::GetSysRunStatus(RunStatus& status) {
  Report request{};
  Report answer{};
  SetHeader(request, kCmdGetSysRunStatus, 0, static_cast<std::uint32_t>(status.bytes.size()));
  if (int result = transport_.WriteReport(request, kReportTimeout); result != 0) {
    last_error_ = FormatText("GetSysRunStatus:Write(%d)", result);
    return result;
  }
  if (int result = transport_.ReadReport(answer, kReportTimeout); result != 0) {
    last_error_ = FormatText("GetSysRunStatus:Read(%d)", result);
    return result;
  }
  if (CommandOf(answer) != kAnswerRunStatus || LengthOf(answer) != status.bytes.size()) {
    last_error_ = FormatText("GetSysRunStatus:Verify(%d)", kAnswerMismatch);
    return kAnswerMismatch;
  }
  std::copy_n(answer.begin() + kOffsetData, status.bytes.size(), status.bytes.begin());
  return 0;
}

int FlashProtocol::GetKeyCode(std::uint8_t& code) {
  Report request{};
  Report answer{};
  SetHeader(request, kCmdGetKeyCode, 0, 1);
  if (int result = transport_.WriteReport(request, kReportTimeout); result != 0) {
    last_error_ = FormatText("GetKeyCode:Write(%d)", result);
    return result;
  }
  if (int result = transport_.ReadReport(answer, kReportTimeout); result != 0) {
    last_error_ = FormatText("GetKeyCode:Read(%d)", result);
    return result;
  }
  if (CommandOf(answer) != kAnswerKeyCode || LengthOf(answer) != 1) {
    last_error_ = FormatText("GetKeyCode:Verify(%d)", kAnswerMismatch);
    return kAnswerMismatch;
  }
  code = answer[kOffsetData];
  return 0;
}

}  // namespace torvane::device
