#include "emulator/program/EmulatorOptions.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "emulator/Scenarios.h"

namespace torvane::emulator {

namespace {

constexpr int kMaxLatencyMs = 10'000;

#ifdef _WIN32
constexpr const char* kServedOn =
    "a loopback TCP port on 127.0.0.1 (Windows lacks Unix sockets), named in the socket file";
constexpr const char* kStopRequests = "Ctrl+C, Ctrl+Break or closing the console";
#else
constexpr const char* kServedOn = "a Unix stream socket";
constexpr const char* kStopRequests = "SIGINT or SIGTERM";
#endif

}  // namespace

std::string DefaultSocketPath() {
#ifdef _WIN32
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  const std::u8string path = ((error ? std::filesystem::path(".") : folder) / "torvane-adapter.sock").u8string();
  return std::string(path.begin(), path.end());
#else
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string folder = runtime != nullptr && *runtime != '\0' ? runtime : "/tmp";
  return folder + "/torvane-adapter.sock";
#endif
}

std::string EmulatorUsage() {
  return "Usage: torvane-emulator [--socket PATH] [--scenario NAME] [--latency-ms N]\n"
         "       torvane-emulator --list | --help\n"
         "\n"
         "Serves a virtual Torvane adapter on " +
         std::string(kServedOn) +
         ": 65 bytes per report each way, request\n"
         "then answer, one client at a time. The socket file exists while the adapter is plugged in.\n"
         "\n"
         "  --socket PATH     socket to serve (default " +
         DefaultSocketPath() +
         ")\n"
         "  --scenario NAME   starting state (default " +
         std::string(kDefaultScenario) +
         "; see --list)\n"
         "  --latency-ms N    time each report takes on the way, 0 to 10000 (default 0)\n"
         "  --list            list the scenarios and exit\n"
         "  --help            show this text and exit\n"
         "\n"
         "Standard input takes commands while it runs: key CODE, unplug, plug, mode N, scenario NAME,\n"
         "status, help, quit. " +
         std::string(kStopRequests) + " removes the socket and ends the program.\n";
}

EmulatorOptions ParseEmulatorOptions(const std::vector<std::string>& args, std::string& error) {
  EmulatorOptions options;
  options.socket_path = DefaultSocketPath();
  options.scenario = std::string(kDefaultScenario);
  error.clear();
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    std::string name = args[i];
    std::string value;
    bool has_value = false;
    if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
      has_value = true;
    }
    const auto take_value = [&]() -> bool {
      if (has_value) return true;
      if (i + 1 >= args.size()) {
        error = name + " needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--list") {
      options.list = true;
    } else if (name == "--socket") {
      if (take_value()) {
        if (value.empty()) error = "--socket needs a path";
        options.socket_path = value;
      }
    } else if (name == "--scenario") {
      if (take_value()) {
        if (FindScenario(value) == nullptr) error = "no scenario named '" + value + "' (see --list)";
        options.scenario = value;
      }
    } else if (name == "--latency-ms") {
      if (take_value()) {
        int ms = -1;
        const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), ms);
        if (failure != std::errc() || end != value.data() + value.size() || ms < 0 || ms > kMaxLatencyMs) {
          error = "--latency-ms needs a whole number from 0 to " + std::to_string(kMaxLatencyMs);
        }
        options.latency = std::chrono::milliseconds(ms);
      }
    } else {
      error = "unknown option " + args[i];
    }
  }
  return options;
}

}  // namespace torvane::emulator
