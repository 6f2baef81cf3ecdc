#include "emulator/AdapterConsole.h"

#include <array>
#include <charconv>
#include <optional>
#include <sstream>
#include <utility>

#include "device/ProtocolCodes.h"
#include "emulator/AdapterFault.h"
#include "emulator/Scenarios.h"

namespace torvane::emulator {

namespace {

// A byte in decimal or, with 0x, hexadecimal.
std::optional<std::uint8_t> ParseByte(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

constexpr std::array<std::pair<std::string_view, FaultKind>, 9> kFaultNames{{
    {"no-answer", FaultKind::kNoAnswer},
    {"wrong-answer-code", FaultKind::kWrongAnswerCode},
    {"wrong-address", FaultKind::kWrongAddress},
    {"corrupt-echo", FaultKind::kCorruptEcho},
    {"stuck-cell", FaultKind::kStuckCell},
    {"erase-never-acknowledged", FaultKind::kEraseNeverAcknowledged},
    {"wrong-report-id", FaultKind::kWrongReportId},
    {"short-report", FaultKind::kShortReport},
    {"unplug", FaultKind::kUnplug},
}};

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 5> kCommandNames{{
    {"read", device::kCmdReadFlash},
    {"write", device::kCmdWriteFlash},
    {"erase", device::kCmdEraseFlash},
    {"status", device::kCmdGetSysRunStatus},
    {"key", device::kCmdGetKeyCode},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<std::string_view, Value>, N>& table, std::string_view name) {
  for (const auto& [known, value] : table) {
    if (known == name) return value;
  }
  return std::nullopt;
}

}  // namespace

std::string_view AdapterConsole::Help() {
  return "commands: key CODE (press a key on a peripheral, 1..255 or 0x..), unplug, plug, mode N, "
         "scenario NAME, fault KIND [read|write|erase|status|key] (the next such request fails; KIND: no-answer, "
         "wrong-answer-code, wrong-address, corrupt-echo, stuck-cell, erase-never-acknowledged, wrong-report-id, "
         "short-report, unplug), status, help, quit";
}

std::string AdapterConsole::Execute(std::string_view line) {
  std::istringstream words{std::string(line)};
  std::string command, argument, extra, more;
  words >> command >> argument >> extra >> more;
  if (command == "fault" && more.empty()) {
    const auto kind = Lookup(kFaultNames, argument);
    if (!kind) return "fault needs a kind; " + std::string(Help());
    const auto on = extra.empty() ? std::nullopt : Lookup(kCommandNames, extra);
    if (!extra.empty() && !on) return "no request named '" + extra + "'";
    adapter_.ArmFault(Fault(*kind, on));
    return "fault " + argument + " armed" + (extra.empty() ? "" : " for " + extra);
  }
  if (!extra.empty()) return "too many words; " + std::string(Help());

  if (command == "key") {
    const auto code = ParseByte(argument);
    if (!code || *code == 0) return "key needs a code from 1 to 255";
    if (!adapter_.IsPlugged()) return "the adapter is unplugged";
    adapter_.PressKey(*code);
    return "key " + std::to_string(*code) + " pressed";
  }
  if (command == "mode") {
    const auto mode = ParseByte(argument);
    if (!mode) return "mode needs a number from 0 to 255";
    adapter_.SetWorkingMode(*mode);
    return "working mode " + std::to_string(*mode);
  }
  if (command == "scenario") {
    if (!LoadScenario(adapter_, argument)) return "no scenario named '" + argument + "'";
    return "scenario " + argument + " loaded";
  }
  if (!argument.empty()) return command + " takes no argument";
  if (command == "unplug") {
    adapter_.Unplug();
    return "unplugged";
  }
  if (command == "plug") {
    adapter_.Plug();
    return "plugged in";
  }
  if (command == "status") {
    std::ostringstream out;
    out << (adapter_.IsPlugged() ? "plugged in" : "unplugged") << ", working mode " << int{adapter_.run_status()[0]}
        << ", " << adapter_.pending_keys() << " key(s) waiting, " << adapter_.TotalRequests() << " request(s) served, "
        << adapter_.armed_faults() << " fault(s) armed";
    return out.str();
  }
  if (command == "help" || command.empty()) return std::string(Help());
  return "unknown command '" + command + "'; " + std::string(Help());
}

}  // namespace torvane::emulator
