#include <iostream>
#include <string>
#include <vector>

#include "emulator/AdapterConsole.h"
#include "emulator/Scenarios.h"
#include "emulator/SocketServer.h"
#include "emulator/program/ConsoleLoop.h"
#include "emulator/program/EmulatorOptions.h"

namespace emu = torvane::emulator;

int main(int argc, char** argv) {
  std::string error;
  const emu::EmulatorOptions options =
      emu::ParseEmulatorOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!error.empty()) {
    std::cerr << "torvane-emulator: " << error << "\n\n" << emu::EmulatorUsage();
    return 2;
  }
  if (options.help) {
    std::cout << emu::EmulatorUsage();
    return 0;
  }
  if (options.list) {
    for (const emu::Scenario& scenario : emu::Scenarios()) {
      std::cout << scenario.name << "\n    " << scenario.description << "\n";
    }
    return 0;
  }

  if (!emu::WatchStopRequests(error)) {
    std::cerr << "torvane-emulator: " << error << "\n";
    return 1;
  }

  emu::VirtualAdapter adapter;
  if (!emu::LoadScenario(adapter, options.scenario)) {
    std::cerr << "torvane-emulator: the scenario " << options.scenario << " cannot be loaded\n";
    return 2;
  }
  emu::SocketServer server(adapter, options.socket_path);
  server.set_latency(options.latency);
  if (!server.Start(error)) {
    std::cerr << "torvane-emulator: " << error << "\n";
    return 1;
  }
  std::cout << "Serving scenario " << options.scenario << " on " << options.socket_path << std::endl;

  emu::AdapterConsole console(adapter);
  emu::RunConsoleLoop(console);
  server.Stop();
  return 0;
}
