#include "device/FlashProtocol.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "device/ProtocolCodes.h"
#include "device/ReportFields.h"
#include "device/TextFormat.h"

namespace torvane::device {

namespace {

// The header fields a flash answer echoes: code, address, length, report id.
bool FlashHeaderMatches(const ReportFields& request, const ReportFields& answer) {
  return answer.report_id == 0 && answer.command.get() == kAnswerFlash &&
         answer.address.get() == request.address.get() && answer.length.get() == request.length.get();
}

// The answer checks: nullptr when the answer fits, else the check's name in the failure text.
const char* CheckReadAnswer(const ReportFields& request, const ReportFields& answer) {
  return FlashHeaderMatches(request, answer) ? nullptr : "Verify";
}
const char* CheckWriteAnswer(const ReportFields& request, const ReportFields& answer) {
  if (!FlashHeaderMatches(request, answer)) return "Verify2";
  const bool echoed = std::memcmp(answer.data.data(), request.data.data(), request.length.get()) == 0;
  return echoed ? nullptr : "Verify1";
}
const char* CheckEraseAnswer(const ReportFields& /*request*/, const ReportFields& answer) {
  return answer.command.get() == kAnswerErase ? nullptr : "Verify";
}
const char* CheckRunStatusAnswer(const ReportFields& request, const ReportFields& answer) {
  return answer.command.get() == kAnswerRunStatus && answer.length.get() == request.length.get() ? nullptr : "Verify";
}
const char* CheckKeyCodeAnswer(const ReportFields& request, const ReportFields& answer) {
  return answer.command.get() == kAnswerKeyCode && answer.length.get() == request.length.get() ? nullptr : "Verify";
}

}  // namespace

// One command's request/answer pair, and how its failure texts name it:
// "ReadFlash:Read(86,258)", "Erase Flash:Verify(-1)".
struct ProtocolCommand {
  const char* transfer_prefix;  // before "Write" and "Read"
  const char* check_prefix;     // before the name the check gives
  std::optional<int> code;      // printed before the result (the flash commands)
  std::chrono::milliseconds answer_timeout;
  int mismatch;  // the result of an answer that fails its check
  const char* (*check)(const ReportFields& request, const ReportFields& answer);
};

namespace {

// The command codes as the failure texts print them.
constexpr int kReadCode = static_cast<int>(kCmdReadFlash);
constexpr int kWriteCode = static_cast<int>(kCmdWriteFlash);

const ProtocolCommand kReadFlash{"ReadFlash:",   "ReadFlash:",    kReadCode,
                                 kReportTimeout, kAnswerMismatch, CheckReadAnswer};
// The blank after the colon belongs to the transfer texts only.
const ProtocolCommand kWriteFlash{"WriteFlash: ", "WriteFlash:",   kWriteCode,
                                  kReportTimeout, kAnswerMismatch, CheckWriteAnswer};
const ProtocolCommand kEraseFlash{"Erase Flash:", "Erase Flash:",        std::nullopt,
                                  kEraseTimeout,  kEraseNotAcknowledged, CheckEraseAnswer};
const ProtocolCommand kGetSysRunStatus{"GetSysRunStatus:", "GetSysRunStatus:", std::nullopt,
                                       kReportTimeout,     kAnswerMismatch,    CheckRunStatusAnswer};
const ProtocolCommand kGetKeyCode{"GetKeyCode:",  "GetKeyCode:",   std::nullopt,
                                  kReportTimeout, kAnswerMismatch, CheckKeyCodeAnswer};

std::string FailureText(const char* prefix, const char* step, const std::optional<int>& code, int result) {
  return code ? FormatText("%s%s(%d,%d)", prefix, step, *code, result) : FormatText("%s%s(%d)", prefix, step, result);
}

}  // namespace

int FlashProtocol::Exchange(const ProtocolCommand& command, const ReportFields& request, ReportFields& answer) {
  if (int result = transport_.WriteReport(request.bytes(), kReportTimeout); result != 0) {
    last_error_ = FailureText(command.transfer_prefix, "Write", command.code, result);
    return result;
  }
  Report received{};
  if (int result = transport_.ReadReport(received, command.answer_timeout); result != 0) {
    last_error_ = FailureText(command.transfer_prefix, "Read", command.code, result);
    return result;
  }
  answer = ReportFields::Of(received);
  if (const char* failed = command.check(request, answer)) {
    last_error_ = FailureText(command.check_prefix, failed, command.code, command.mismatch);
    return command.mismatch;
  }
  return 0;
}

int FlashProtocol::ReadFlash(std::span<std::uint8_t> destination, std::uint32_t address,
                             const ChunkCallback& chunk_read) {
  ReportFields request{.command = kCmdReadFlash, .address = address};
  ReportFields answer;
  std::size_t offset = 0;
  while (offset < destination.size()) {
    const auto n = static_cast<std::uint32_t>(std::min(kMaxChunk, destination.size() - offset));
    request.length = n;
    if (int result = Exchange(kReadFlash, request, answer); result != 0) return result;
    std::memcpy(destination.data() + offset, answer.data.data(), n);
    offset += n;
    if (chunk_read) chunk_read(n);
    request.address = request.address.get() + n;
  }
  return 0;
}

int FlashProtocol::WriteFlash(const WritePlan& plan, const ProgressCallback& progress) {
  // Zero-filled once for the whole plan: after a short final chunk the bytes
  // behind its data still hold the previous chunk's, which the adapter ignores.
  ReportFields request{.command = kCmdWriteFlash};
  ReportFields answer;
  std::uint64_t written = 0;
  int last_percent = 0;
  for (const PlanEntry& entry : plan.entries()) {
    const std::span<const std::uint8_t> source = plan.EntryBytes(entry);
    std::uint32_t address = entry.address;
    std::size_t offset = 0;
    while (offset < source.size()) {
      const auto n = static_cast<std::uint32_t>(std::min(kMaxChunk, source.size() - offset));
      request.address = address;
      request.length = n;
      std::memcpy(request.data.data(), source.data() + offset, n);
      if (int result = Exchange(kWriteFlash, request, answer); result != 0) return result;
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

int FlashProtocol::VerifyPlan(const WritePlan& plan, const ProgressCallback& progress) {
  std::array<std::uint8_t, kMaxChunk> chunk{};
  std::uint64_t checked = 0;
  int last_percent = 0;
  for (const PlanEntry& entry : plan.entries()) {
    const std::span<const std::uint8_t> written = plan.EntryBytes(entry);
    for (std::size_t offset = 0; offset < written.size();) {
      const std::size_t n = std::min(kMaxChunk, written.size() - offset);
      const auto address = static_cast<std::uint32_t>(entry.address + offset);
      const std::span<std::uint8_t> back(chunk.data(), n);
      if (int result = ReadFlash(back, address); result != 0) return result;
      const auto expected = written.subspan(offset, n);
      const auto found = std::mismatch(back.begin(), back.end(), expected.begin()).first;
      if (found != back.end()) {
        const auto at = static_cast<std::uint32_t>(address + static_cast<std::size_t>(found - back.begin()));
        last_error_ = FormatText("Verify failed at 0x%08X", at);
        return kVerifyMismatch;
      }
      offset += n;
      checked += n;
      if (progress) {
        const int percent = static_cast<int>(checked * 100 / plan.total());
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
  ReportFields request{.command = kCmdEraseFlash, .length = plan.sector_count()};
  ReportFields answer;
  const std::span<const std::uint8_t> sectors = plan.sectors();
  std::copy(sectors.begin(), sectors.end(), request.data.begin());
  return Exchange(kEraseFlash, request, answer);
}

int FlashProtocol::GetSysRunStatus(RunStatus& status) {
  const ReportFields request{.command = kCmdGetSysRunStatus, .length = static_cast<std::uint32_t>(status.bytes.size())};
  ReportFields answer;
  if (int result = Exchange(kGetSysRunStatus, request, answer); result != 0) return result;
  std::copy_n(answer.data.begin(), status.bytes.size(), status.bytes.begin());
  return 0;
}

int FlashProtocol::GetKeyCode(std::uint8_t& code) {
  const ReportFields request{.command = kCmdGetKeyCode, .length = 1};
  ReportFields answer;
  if (int result = Exchange(kGetKeyCode, request, answer); result != 0) return result;
  code = answer.data[0];
  return 0;
}

}  // namespace torvane::device
