#include "soak/CyclePlan.h"

#include <span>
#include <vector>

namespace torvane::soak {

namespace {

constexpr double kFaultChance = 0.35;
constexpr double kReplugChance = 0.1;

// The requests each place can name: a read asks for the status, then reads; a save erases, writes and reads back;
// the command line does both in that order.
constexpr std::array<std::string_view, 3> kReadRequests{"", "status", "read"};
constexpr std::array<std::string_view, 4> kSaveRequests{"", "erase", "write", "read"};
constexpr std::array<std::string_view, 5> kCommandRequests{"", "status", "read", "erase", "write"};

std::string_view PickFrom(std::span<const std::string_view> names, std::mt19937_64& random) {
  return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(random)];
}

}  // namespace

std::string PlannedFault::Command() const {
  std::string command = "fault " + std::string(kind);
  if (!request.empty()) command += " " + std::string(request);
  return command;
}

CyclePlan PlanCycle(int cycle, std::mt19937_64& random) {
  CyclePlan plan;
  plan.turn = cycle % 2 == 1 ? Turn::kWindow : Turn::kCommandLine;
  std::bernoulli_distribution fault(kFaultChance), replug(kReplugChance), half(0.5);
  if (fault(random)) {
    PlannedFault armed;
    armed.kind = PickFrom(kFaultKinds, random);
    if (plan.turn == Turn::kCommandLine) {
      armed.request = PickFrom(kCommandRequests, random);
    } else {
      armed.point = half(random) ? FaultPoint::kBeforeRead : FaultPoint::kBeforeSave;
      armed.request =
          armed.point == FaultPoint::kBeforeRead ? PickFrom(kReadRequests, random) : PickFrom(kSaveRequests, random);
    }
    // The adapter holds this one back for an erase, whatever request is named.
    if (armed.kind == "erase-never-acknowledged") armed.request = "erase";
    plan.fault = armed;
  }
  if (replug(random)) plan.replug = half(random) ? Replug::kWobbly : Replug::kOnce;
  return plan;
}

}  // namespace torvane::soak
