#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace torvane::soak {

// The emulator's fault kinds, as its console names them.
inline constexpr std::array<std::string_view, 9> kFaultKinds{
    "no-answer",       "wrong-answer-code", "wrong-address", "corrupt-echo", "stuck-cell", "erase-never-acknowledged",
    "wrong-report-id", "short-report",      "unplug",
};

// Odd cycles are the window's, even ones the command line's.
enum class Turn { kWindow, kCommandLine };

// Where a fault is armed: before the window's read of the adapter, before its save, or before the command line
// runs. Each place arms only requests that follow it in the same turn, so every fault fires there.
enum class FaultPoint { kBeforeRead, kBeforeSave, kBeforeCommand };

struct PlannedFault {
  std::string_view kind;
  std::string_view request;  // empty: whichever request comes next
  FaultPoint point = FaultPoint::kBeforeCommand;

  // The console command that arms it.
  std::string Command() const;
};

// The adapter is unplugged and plugged in again: in the window's turn with its edit unsaved, in the command line's
// before it runs. A wobbly plug goes out once more within the settle second, before the window reads it.
enum class Replug { kNone, kOnce, kWobbly };

struct CyclePlan {
  Turn turn = Turn::kWindow;
  std::optional<PlannedFault> fault;
  Replug replug = Replug::kNone;
};

// The plan of `cycle` (from 1), drawn from `random` alone, so a seed gives the same plans on every run.
CyclePlan PlanCycle(int cycle, std::mt19937_64& random);

}  // namespace torvane::soak
