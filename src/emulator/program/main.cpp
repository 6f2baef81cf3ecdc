#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "device/UniqueFd.h"
#include "emulator/AdapterConsole.h"
#include "emulator/Scenarios.h"
#include "emulator/SocketServer.h"
#include "emulator/program/EmulatorOptions.h"

namespace emu = torvane::emulator;

namespace {

// Serves until SIGINT, SIGTERM or "quit"; stdin lines are console commands.
void RunConsole(emu::AdapterConsole& console, int signal_fd) {
  std::string pending;
  bool stdin_open = true;
  for (;;) {
    pollfd fds[2] = {{signal_fd, POLLIN, 0}, {stdin_open ? STDIN_FILENO : -1, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) continue;
    if (fds[0].revents != 0) return;
    if (fds[1].revents == 0) continue;
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer));
    if (n <= 0) {
      stdin_open = false;  // serve on without a console
      continue;
    }
    pending.append(buffer, static_cast<std::size_t>(n));
    for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      const std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (line == "quit") return;
      std::cout << console.Execute(line) << std::endl;
    }
  }
}

}  // namespace

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

  // Signals arrive through a descriptor, so no thread is interrupted mid-transfer.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  torvane::device::UniqueFd signal_fd(::signalfd(-1, &signals, SFD_CLOEXEC));
  if (!signal_fd.valid()) {
    std::cerr << "torvane-emulator: cannot watch for signals\n";
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
  RunConsole(console, signal_fd.get());
  server.Stop();
  return 0;
}
