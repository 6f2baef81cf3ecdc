#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "device/RunStatus.h"
#include "device/Transport.h"
#include "device/WritePlan.h"

namespace torvane::device {

inline constexpr std::chrono::milliseconds kReportTimeout{1000};
inline constexpr std::chrono::milliseconds kEraseTimeout{5000};

// A command's answer check and how its failure texts name it.
struct ProtocolCommand;
struct ReportFields;

// Called with each new whole percentage of a write, 1 to 100.
using ProgressCallback = std::function<void(int percent)>;
// Called after each chunk of a read with the bytes it brought.
using ChunkCallback = std::function<void(std::size_t bytes)>;

// The adapter's five commands over an open transport, one request/response
// pair per chunk of at most 52 bytes. Every operation returns 0 or an error
// code (a transport code, kAnswerMismatch, kEraseNotAcknowledged) and, on
// failure, leaves exactly one text in last_error(). Nothing is retried.
class FlashProtocol {
 public:
  explicit FlashProtocol(Transport& transport) : transport_(transport) {}

  // Reads destination.size() bytes from `address`; an empty destination sends nothing.
  int ReadFlash(std::span<std::uint8_t> destination, std::uint32_t address, const ChunkCallback& chunk_read = {});
  // Writes every entry of the plan with echo verification.
  int WriteFlash(const WritePlan& plan, const ProgressCallback& progress);
  // Reads every entry of the plan back and compares it with what was written:
  // the echo only shows what the adapter received, not what its flash kept.
  // A difference is kVerifyMismatch with "Verify failed at 0x%08X" naming the
  // first differing byte. Progress counts the bytes read back.
  int VerifyPlan(const WritePlan& plan, const ProgressCallback& progress);
  // Erases the plan's sectors with one request.
  int EraseFlash(const WritePlan& plan);
  int GetSysRunStatus(RunStatus& status);
  int GetKeyCode(std::uint8_t& code);

  const std::string& last_error() const { return last_error_; }

 private:
  // Writes `request`, reads `answer` and checks it as `command` says; 0, or
  // the failing step's result with its text in last_error().
  int Exchange(const ProtocolCommand& command, const ReportFields& request, ReportFields& answer);

  Transport& transport_;
  std::string last_error_;
};

}  // namespace torvane::device
