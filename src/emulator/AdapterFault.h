#pragma once

#include <cstdint>
#include <optional>

namespace torvane::emulator {

// What goes wrong with one request.
enum class FaultKind {
  kNoAnswer,                // the request is carried out, its answer never sent: the reader times out
  kWrongAnswerCode,         // the answer code is one higher than it should be
  kWrongAddress,            // the answer names the address one chunk (52 bytes) further on
  kCorruptEcho,             // the last data byte of the answer is inverted (the flash keeps the right bytes)
  kStuckCell,               // a write's first byte is not taken by the flash, yet the echo carries it as sent
  kEraseNeverAcknowledged,  // an erase is carried out and never acknowledged
  kWrongReportId,           // the answer report starts with report id 1
  kShortReport,             // the answer is one byte short
  kUnplug,                  // the adapter goes away before carrying the request out, and stays away
};

// Fires once, on the `occurrence`-th request (counted from arming) whose command
// field equals `command`, or on any request when no command is given. An erase
// fault always waits for an erase request.
struct Fault {
  constexpr Fault(FaultKind fault_kind, std::optional<std::uint32_t> on_command = std::nullopt, unsigned nth = 1)
      : kind(fault_kind), command(on_command), occurrence(nth) {}

  FaultKind kind;
  std::optional<std::uint32_t> command;
  unsigned occurrence;
};

}  // namespace torvane::emulator
