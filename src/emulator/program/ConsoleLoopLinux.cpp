#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>

#include "device/UniqueFd.h"
#include "emulator/program/ConsoleLoop.h"

namespace torvane::emulator {

namespace {

// Signals arrive through a descriptor, so no thread is interrupted mid-transfer.
device::UniqueFd& SignalFd() {
  static device::UniqueFd fd;
  return fd;
}

}  // namespace

bool WatchStopRequests(std::string& error) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  SignalFd().reset(::signalfd(-1, &signals, SFD_CLOEXEC));
  if (SignalFd().valid()) return true;
  error = "cannot watch for signals";
  return false;
}

void RunConsoleLoop(AdapterConsole& console) {
  std::string pending;
  bool stdin_open = true;
  for (;;) {
    pollfd fds[2] = {{SignalFd().get(), POLLIN, 0}, {stdin_open ? STDIN_FILENO : -1, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) continue;
    if (fds[0].revents != 0) return;
    if (fds[1].revents == 0) continue;
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer));
    if (n <= 0) {
      stdin_open = false;  // serve on without a console
      continue;
    }
    if (!FeedConsole(console, pending, std::string_view(buffer, static_cast<std::size_t>(n)))) return;
  }
}

}  // namespace torvane::emulator
