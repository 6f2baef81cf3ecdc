#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace torvane::emulator {

struct EmulatorOptions {
  std::string socket_path;
  std::string scenario;
  std::chrono::milliseconds latency{0};
  bool list = false;
  bool help = false;
};

// Parses the command line (without the program name); `error` is set and the
// result meaningless when an option is unknown, lacks its value or has a bad one.
EmulatorOptions ParseEmulatorOptions(const std::vector<std::string>& args, std::string& error);
std::string EmulatorUsage();
// ${XDG_RUNTIME_DIR:-/tmp}/torvane-adapter.sock; on Windows in the temporary folder.
std::string DefaultSocketPath();

}  // namespace torvane::emulator
