#pragma once

#include <optional>
#include <string>
#include <vector>

namespace torvane::cli {

// How the program was asked to run.
struct CliOptions {
  enum class Adapter { kUsb, kVirtual, kSocket };
  Adapter adapter = Adapter::kUsb;
  std::string scenario;     // kVirtual: the virtual adapter's starting state
  std::string socket_path;  // kSocket
  bool json = false;
  bool yes = false;
  bool help = false;
  std::optional<int> console;  // host type chosen with --console
  std::string command;
  std::vector<std::string> arguments;  // the command's own
};

struct ParsedCommandLine {
  CliOptions options;
  std::string error;  // a usage error when not empty
};

// Reads the arguments (without the program name). Options may stand anywhere; "--" ends them.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The --help text: commands, options, scenarios and exit codes.
std::string Usage();

// Host type of a console name ("ps4", "xbox-one", "ps3", "xbox-360", "switch"), any case.
std::optional<int> ConsoleFromName(const std::string& name);
// The name ConsoleFromName takes; "console-N" outside 0..4.
std::string ConsoleName(int host);

}  // namespace torvane::cli
