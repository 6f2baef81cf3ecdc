#include "emulator/VirtualAdapter.h"

#include <algorithm>
#include <utility>

#include "device/ProtocolCodes.h"

namespace torvane::emulator {

namespace {

using device::Report;
using device::ReportFields;

// An answer with the header fields set and zero data.
ReportFields AnswerHeader(std::uint32_t code, std::uint32_t address, std::uint32_t length) {
  return {.command = code, .address = address, .length = length};
}

AdapterAnswer Outgoing(const ReportFields& answer) {
  return {.report = answer.bytes()};
}

AdapterAnswer Rejected(const ReportFields& request, RejectReason reason) {
  ReportFields answer = AnswerHeader(kAnswerRejected, request.address, request.length);
  answer.data[0] = static_cast<std::uint8_t>(reason);
  return Outgoing(answer);
}

bool ValidChunk(std::uint32_t length) {
  return length >= 1 && length <= device::kMaxChunk;
}

std::span<std::uint8_t> Data(ReportFields& answer, std::size_t length) {
  return std::span(answer.data).first(length);
}

bool Has(const std::vector<FaultKind>& kinds, FaultKind kind) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

void Distort(AdapterAnswer& answer, const std::vector<FaultKind>& kinds) {
  ReportFields fields = ReportFields::Of(answer.report);
  if (Has(kinds, FaultKind::kWrongAnswerCode)) fields.command = fields.command.get() + 1;
  if (Has(kinds, FaultKind::kWrongAddress)) {
    fields.address = fields.address.get() + static_cast<std::uint32_t>(device::kMaxChunk);
  }
  if (Has(kinds, FaultKind::kCorruptEcho)) {
    const std::uint32_t length = fields.length;
    const std::size_t index = ValidChunk(length) ? length - 1 : 0;
    fields.data[index] = static_cast<std::uint8_t>(~fields.data[index]);
  }
  if (Has(kinds, FaultKind::kWrongReportId)) fields.report_id = 1;
  answer.report = fields.bytes();
  if (Has(kinds, FaultKind::kShortReport)) answer.size = device::kReportSize - 1;
}

}  // namespace

VirtualAdapter::VirtualAdapter() = default;

VirtualAdapter::VirtualAdapter(const AdapterState& state) : state_(state) {}

HandleResult VirtualAdapter::Handle(const Report& request, std::uint64_t generation) {
  std::unique_lock lock(mutex_);
  if (!plugged_ || generation != generation_) return {RequestOutcome::kUnplugged, {}};
  const ReportFields fields = ReportFields::Of(request);
  const std::uint32_t command = fields.command;
  ++request_counts_[command];
  ++total_requests_;
  if (logging_) log_.push_back(request);

  const std::vector<FaultKind> faults = faults_.OnRequest(command);
  if (Has(faults, FaultKind::kUnplug)) {
    UnplugLocked();
    lock.unlock();
    NotifyPlug(false);
    return {RequestOutcome::kUnplugged, {}};
  }
  AdapterAnswer answer = Execute(fields, Has(faults, FaultKind::kStuckCell));
  if (Has(faults, FaultKind::kNoAnswer) || Has(faults, FaultKind::kEraseNeverAcknowledged)) {
    return {RequestOutcome::kNoAnswer, {}};
  }
  Distort(answer, faults);
  return {RequestOutcome::kAnswered, answer};
}

AdapterAnswer VirtualAdapter::Execute(const ReportFields& request, bool stuck_cell) {
  switch (request.command.get()) {
    case device::kCmdReadFlash:
      return ReadFlashAnswer(request);
    case device::kCmdWriteFlash:
      return WriteFlashAnswer(request, stuck_cell);
    case device::kCmdEraseFlash:
      return EraseAnswer(request);
    case device::kCmdGetSysRunStatus:
      return RunStatusAnswer(request);
    case device::kCmdGetKeyCode:
      return KeyCodeAnswer(request);
    default:
      return Rejected(request, RejectReason::kUnknownCommand);
  }
}

AdapterAnswer VirtualAdapter::ReadFlashAnswer(const ReportFields& request) {
  const std::uint32_t address = request.address;
  const std::uint32_t length = request.length;
  if (!ValidChunk(length)) return Rejected(request, RejectReason::kBadLength);
  ReportFields answer = AnswerHeader(device::kAnswerFlash, address, length);
  if (!state_.flash.Read(address, Data(answer, length))) return Rejected(request, RejectReason::kBadAddress);
  return Outgoing(answer);
}

AdapterAnswer VirtualAdapter::WriteFlashAnswer(const ReportFields& request, bool stuck_cell) {
  const std::uint32_t address = request.address;
  const std::uint32_t length = request.length;
  if (!ValidChunk(length)) return Rejected(request, RejectReason::kBadLength);
  if (!state_.flash.Contains(address, length)) return Rejected(request, RejectReason::kBadAddress);
  if (!state_.flash.IsWritable(address, length)) return Rejected(request, RejectReason::kProtected);
  const auto data = std::span(request.data).first(length);
  ReportFields answer = AnswerHeader(device::kAnswerFlash, address, length);
  if (stuck_cell) {
    // The first cell keeps what it held; the firmware echoes its receive buffer.
    state_.flash.Program(address + 1, data.subspan(1));
    std::copy(data.begin(), data.end(), Data(answer, length).begin());
    return Outgoing(answer);
  }
  state_.flash.Program(address, data);
  // The echo is read back from the flash, so a write over unerased bytes shows in it.
  state_.flash.Read(address, Data(answer, length));
  return Outgoing(answer);
}

AdapterAnswer VirtualAdapter::EraseAnswer(const ReportFields& request) {
  const std::uint32_t count = request.length;
  if (!ValidChunk(count)) return Rejected(request, RejectReason::kBadLength);
  const auto sectors = std::span(request.data).first(count);
  // All or nothing: one bad number erases no sector.
  if (!std::all_of(sectors.begin(), sectors.end(), [](std::uint8_t s) { return Sector(s).has_value(); })) {
    return Rejected(request, RejectReason::kBadSector);
  }
  for (std::uint8_t sector : sectors) state_.flash.EraseSector(sector);
  AdapterAnswer answer = Outgoing(AnswerHeader(device::kAnswerErase, 0, count));
  answer.busy = erase_time_ * static_cast<int>(count);
  return answer;
}

AdapterAnswer VirtualAdapter::RunStatusAnswer(const ReportFields&) {
  ReportFields answer = AnswerHeader(device::kAnswerRunStatus, 0, static_cast<std::uint32_t>(state_.run_status.size()));
  std::copy(state_.run_status.begin(), state_.run_status.end(), answer.data.begin());
  return Outgoing(answer);
}

AdapterAnswer VirtualAdapter::KeyCodeAnswer(const ReportFields&) {
  ReportFields answer = AnswerHeader(device::kAnswerKeyCode, 0, 1);
  if (!keys_.empty()) {
    answer.data[0] = keys_.front();
    keys_.pop_front();
  }
  return Outgoing(answer);
}

void VirtualAdapter::Plug() {
  {
    std::lock_guard lock(mutex_);
    if (plugged_) return;
    plugged_ = true;
    ++generation_;
  }
  plug_changed_.notify_all();
  NotifyPlug(true);
}

void VirtualAdapter::Unplug() {
  {
    std::lock_guard lock(mutex_);
    if (!plugged_) return;
    UnplugLocked();
  }
  NotifyPlug(false);
}

void VirtualAdapter::UnplugLocked() {
  plugged_ = false;
  ++generation_;
  keys_.clear();
  plug_changed_.notify_all();
}

void VirtualAdapter::NotifyPlug(bool plugged) {
  std::lock_guard lock(listener_mutex_);
  if (listener_) listener_(plugged);
}

bool VirtualAdapter::IsPlugged() const {
  std::lock_guard lock(mutex_);
  return plugged_;
}

std::uint64_t VirtualAdapter::generation() const {
  std::lock_guard lock(mutex_);
  return generation_;
}

bool VirtualAdapter::IsConnected(std::uint64_t generation) const {
  std::lock_guard lock(mutex_);
  return plugged_ && generation_ == generation;
}

bool VirtualAdapter::WaitConnected(std::uint64_t generation, Clock::time_point deadline) const {
  std::unique_lock lock(mutex_);
  return !plug_changed_.wait_until(lock, deadline, [&] { return !plugged_ || generation_ != generation; });
}

void VirtualAdapter::SetPlugListener(std::function<void(bool)> listener) {
  std::lock_guard lock(listener_mutex_);
  listener_ = std::move(listener);
}

void VirtualAdapter::SetWorkingMode(std::uint8_t mode) {
  std::lock_guard lock(mutex_);
  state_.run_status[0] = mode;
}

void VirtualAdapter::SetRunStatus(const RunStatusBytes& status) {
  std::lock_guard lock(mutex_);
  state_.run_status = status;
}

RunStatusBytes VirtualAdapter::run_status() const {
  std::lock_guard lock(mutex_);
  return state_.run_status;
}

void VirtualAdapter::PressKey(std::uint8_t code) {
  if (code == 0) return;  // 0 is the answer for "no key"
  std::lock_guard lock(mutex_);
  if (plugged_) keys_.push_back(code);
}

std::size_t VirtualAdapter::pending_keys() const {
  std::lock_guard lock(mutex_);
  return keys_.size();
}

void VirtualAdapter::ArmFault(const Fault& fault) {
  std::lock_guard lock(mutex_);
  faults_.Arm(fault);
}

void VirtualAdapter::ClearFaults() {
  std::lock_guard lock(mutex_);
  faults_.Clear();
}

std::size_t VirtualAdapter::armed_faults() const {
  std::lock_guard lock(mutex_);
  return faults_.armed();
}

void VirtualAdapter::LoadState(const AdapterState& state) {
  std::lock_guard lock(mutex_);
  state_ = state;
  keys_.clear();
}

AdapterState VirtualAdapter::state() const {
  std::lock_guard lock(mutex_);
  return state_;
}

std::vector<std::uint8_t> VirtualAdapter::ReadFlash(std::uint32_t address, std::size_t length) const {
  std::lock_guard lock(mutex_);
  return state_.flash.Read(address, length);
}

bool VirtualAdapter::LoadFlash(std::uint32_t address, std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  return state_.flash.Load(address, bytes);
}

void VirtualAdapter::SetEraseTime(std::chrono::milliseconds per_sector) {
  std::lock_guard lock(mutex_);
  erase_time_ = per_sector;
}

std::size_t VirtualAdapter::RequestCount(std::uint32_t command) const {
  std::lock_guard lock(mutex_);
  const auto it = request_counts_.find(command);
  return it == request_counts_.end() ? 0 : it->second;
}

std::size_t VirtualAdapter::TotalRequests() const {
  std::lock_guard lock(mutex_);
  return total_requests_;
}

void VirtualAdapter::SetRequestLogging(bool on) {
  std::lock_guard lock(mutex_);
  logging_ = on;
}

std::vector<Report> VirtualAdapter::TakeRequestLog() {
  std::lock_guard lock(mutex_);
  return std::exchange(log_, {});
}

}  // namespace torvane::emulator
