#pragma once

#include <filesystem>
#include <string>

#include "soak/SoakReport.h"

namespace torvane::soak {

struct SoakSettings {
  int cycles = 1000;
  unsigned long long seed = 0;
  std::string emulator;  // the programs' paths
  std::string cli;
  std::filesystem::path folder;  // the socket, the files the command line reads, its output
};

// Serves a virtual adapter from torvane-emulator, and has the manager's window (in this process) and torvane-cli
// (a child process) change it in turns for `cycles` cycles, arming faults and unplugging it now and then as the
// seed decides. After each cycle the adapter must hold every edit made so far, read over a connection of its own.
SoakReport RunSoak(const SoakSettings& settings);

}  // namespace torvane::soak
