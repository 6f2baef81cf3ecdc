#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "device/Transport.h"

namespace torvane::device {

// System error codes the transfer steps decide by.
inline constexpr int kIoPending = 997;    // ERROR_IO_PENDING
inline constexpr int kInvalidHandle = 6;  // ERROR_INVALID_HANDLE: a transfer with nothing open

// The system's side of an adapter opened twice, a write handle and a read
// handle, each with its own overlapped record, manual-reset event and report
// buffer. One call per system call the transfer steps make, so the steps can
// run against a script where no adapter is.
class OverlappedHidCalls {
 public:
  enum class Direction { kWrite, kRead };

  struct Start {
    bool completed = false;  // finished at once
    int error = 0;           // the system error when it did not
  };

  virtual ~OverlappedHidCalls() = default;

  // Paths of the HID device interfaces present now, as the system spells them.
  virtual std::vector<std::string> InterfacePaths() = 0;
  // Opens `path` for the one direction: 0 or the system error.
  virtual int Open(const std::string& path, Direction direction) = 0;
  // Closes that direction's handle if it is open.
  virtual void Close(Direction direction) = 0;
  virtual bool IsOpen(Direction direction) const = 0;
  // Reset the direction's event and start an overlapped transfer of one report.
  virtual Start StartWrite(const Report& report) = 0;
  virtual Start StartRead() = 0;
  // Waits on the direction's event: 0 when it was signalled, kTimeout, or the
  // system error of a wait that failed.
  virtual int Wait(Direction direction, std::chrono::milliseconds timeout) = 0;
  // Cancels the direction's transfer; returns once the system has let go of
  // its buffer and overlapped record.
  virtual void Cancel(Direction direction) = 0;
  // The finished transfer's outcome without waiting: 0 with the bytes moved,
  // or the system error.
  virtual int Outcome(Direction direction, std::uint32_t& length) = 0;
  // What the last read put into the read buffer.
  virtual const Report& Received() const = 0;
};

// The adapter over overlapped reads and writes of whole reports, as the
// adapter's Windows driver stack moves them. Paths are upper-cased when
// listed, so a lower-case interface path still names an adapter.
class OverlappedHidTransport final : public Transport {
 public:
  explicit OverlappedHidTransport(std::unique_ptr<OverlappedHidCalls> calls);
  ~OverlappedHidTransport() override;

  std::vector<std::string> ListAdapters() override;
  // The write handle first, then the read handle; 0 or the system error of
  // the first that failed, with the other closed again.
  int Open(const std::string& path) override;
  void Close() override;
  int WriteReport(const Report& report, std::chrono::milliseconds timeout) override;
  int ReadReport(Report& report, std::chrono::milliseconds timeout) override;

 private:
  using Direction = OverlappedHidCalls::Direction;
  int Finish(Direction direction, OverlappedHidCalls::Start start, std::chrono::milliseconds timeout);

  std::unique_ptr<OverlappedHidCalls> calls_;
};

}  // namespace torvane::device
