#pragma once

#include <span>
#include <string_view>

#include "emulator/AdapterState.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::emulator {

// A named starting state of a virtual adapter, for tests and demonstrations.
struct Scenario {
  std::string_view name;
  std::string_view description;  // one line
  AdapterState (*build)();
};

inline constexpr std::string_view kDefaultScenario = "working-mode-1";

std::span<const Scenario> Scenarios();
const Scenario* FindScenario(std::string_view name);
// Puts the adapter's flash and status into the named state; false, changing
// nothing, for an unknown name. Plugging and armed faults are left alone.
bool LoadScenario(VirtualAdapter& adapter, std::string_view name);

}  // namespace torvane::emulator
