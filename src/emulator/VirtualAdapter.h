#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <vector>

#include "device/ReportFields.h"
#include "device/Transport.h"
#include "emulator/AdapterFault.h"
#include "emulator/AdapterState.h"
#include "emulator/FaultInjector.h"

namespace torvane::emulator {

// Answer code of a request the firmware refuses; data byte 0 says why.
inline constexpr std::uint32_t kAnswerRejected = 0x7F;
enum class RejectReason : std::uint8_t {
  kUnknownCommand = 1,
  kBadLength = 2,   // 0 or above 52
  kBadAddress = 3,  // outside the flash
  kProtected = 4,   // a write into the boot loader's sector
  kBadSector = 5,   // an erase of a sector other than 1..6; nothing is erased
};

// One answer report on its way to the host.
struct AdapterAnswer {
  device::Report report{};
  std::size_t size = device::kReportSize;  // fewer bytes for a short report
  std::chrono::milliseconds busy{0};       // firmware time before it leaves (erasing)
};

enum class RequestOutcome {
  kAnswered,
  kNoAnswer,   // carried out (or not) but never answered
  kUnplugged,  // the adapter the caller opened is gone
};

struct HandleResult {
  RequestOutcome outcome = RequestOutcome::kNoAnswer;
  AdapterAnswer answer;
};

using Clock = std::chrono::steady_clock;

// The firmware's side of the flash protocol over an in-memory flash. Every
// member is thread-safe: tests press keys, unplug and arm faults from one
// thread while a transport talks to it from another.
class VirtualAdapter {
 public:
  VirtualAdapter();  // erased flash, working mode 1, plugged in
  explicit VirtualAdapter(const AdapterState& state);
  VirtualAdapter(const VirtualAdapter&) = delete;
  VirtualAdapter& operator=(const VirtualAdapter&) = delete;

  // Answers one request of the plug-in `generation` with at most one report.
  HandleResult Handle(const device::Report& request, std::uint64_t generation);

  // Plugging. Every plug-in gets a new generation, so a connection opened
  // before an unplug stays dead after the next plug-in.
  void Plug();
  void Unplug();
  bool IsPlugged() const;
  std::uint64_t generation() const;
  bool IsConnected(std::uint64_t generation) const;
  // Sleeps until `deadline`, waking at once when the connection of `generation`
  // goes; returns whether it is still there.
  bool WaitConnected(std::uint64_t generation, Clock::time_point deadline) const;
  // Called after each plug or unplug, outside the adapter's lock; one listener,
  // which Set(nullptr) removes once no call of it is running.
  void SetPlugListener(std::function<void(bool plugged)> listener);

  // Status and peripheral keys. A pressed key is reported by one GetKeyCode
  // request, in press order; unplugging drops keys not yet reported.
  void SetWorkingMode(std::uint8_t mode);
  void SetRunStatus(const RunStatusBytes& status);
  RunStatusBytes run_status() const;
  void PressKey(std::uint8_t code);
  std::size_t pending_keys() const;

  void ArmFault(const Fault& fault);
  void ClearFaults();
  std::size_t armed_faults() const;

  // Flash and state around the protocol (set-up and inspection).
  void LoadState(const AdapterState& state);
  AdapterState state() const;
  std::vector<std::uint8_t> ReadFlash(std::uint32_t address, std::size_t length) const;
  bool LoadFlash(std::uint32_t address, std::span<const std::uint8_t> bytes);
  // Time an erase keeps the firmware busy per sector before it answers.
  void SetEraseTime(std::chrono::milliseconds per_sector);

  // Traffic seen since construction (requests to an unplugged adapter are not seen).
  std::size_t RequestCount(std::uint32_t command) const;
  std::size_t TotalRequests() const;
  // Keeps a copy of every request from now on, until taken.
  void SetRequestLogging(bool on);
  std::vector<device::Report> TakeRequestLog();

 private:
  AdapterAnswer Execute(const device::ReportFields& request, bool stuck_cell);
  AdapterAnswer ReadFlashAnswer(const device::ReportFields& request);
  AdapterAnswer WriteFlashAnswer(const device::ReportFields& request, bool stuck_cell);
  AdapterAnswer EraseAnswer(const device::ReportFields& request);
  AdapterAnswer RunStatusAnswer(const device::ReportFields& request);
  AdapterAnswer KeyCodeAnswer(const device::ReportFields& request);
  void UnplugLocked();
  void NotifyPlug(bool plugged);

  mutable std::mutex mutex_;
  mutable std::condition_variable plug_changed_;
  AdapterState state_;
  bool plugged_ = true;
  std::uint64_t generation_ = 1;
  std::deque<std::uint8_t> keys_;
  FaultInjector faults_;
  std::chrono::milliseconds erase_time_{0};
  std::map<std::uint32_t, std::size_t> request_counts_;
  std::size_t total_requests_ = 0;
  bool logging_ = false;
  std::vector<device::Report> log_;

  std::mutex listener_mutex_;  // held while the listener runs
  std::function<void(bool)> listener_;
};

}  // namespace torvane::emulator
