#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace torvane::device {

inline constexpr std::size_t kReportSize = 65;
// One report: byte 0 the report id (always 0), then 64 payload bytes.
using Report = std::array<std::uint8_t, kReportSize>;

// Transport result codes; positive values other than kTimeout are system error codes.
inline constexpr int kTransportOk = 0;
inline constexpr int kTimeout = 258;
inline constexpr int kWrongLength = -3;
inline constexpr int kWrongReportId = -4;
// The adapter's device node is there but this user may not open it (no udev rule granting access).
inline constexpr int kAccessDenied = -5;

// Moves single 65-byte reports to and from one adapter. Used by the worker
// thread only; one transfer is outstanding at a time.
class Transport {
 public:
  virtual ~Transport() = default;

  // Paths of the adapters present now.
  virtual std::vector<std::string> ListAdapters() = 0;
  // Opens the adapter at `path` for writing and reading: 0, kAccessDenied or a system error code.
  virtual int Open(const std::string& path) = 0;
  // Closes whatever is open; safe when nothing is.
  virtual void Close() = 0;
  // Each returns 0, kTimeout after cancelling the transfer, a system error
  // code, kWrongLength, or (reads) kWrongReportId.
  virtual int WriteReport(const Report& report, std::chrono::milliseconds timeout) = 0;
  virtual int ReadReport(Report& report, std::chrono::milliseconds timeout) = 0;
};

}  // namespace torvane::device
