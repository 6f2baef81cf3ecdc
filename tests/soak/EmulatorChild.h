#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include "support/Spawned.h"

namespace torvane::soak {

// torvane-emulator as a child process: one virtual adapter served on a socket in `folder`, its console on a pipe
// and its replies in a file there.
class EmulatorChild {
 public:
  EmulatorChild(const std::string& program, const std::filesystem::path& folder, const std::string& scenario);
  ~EmulatorChild();
  EmulatorChild(const EmulatorChild&) = delete;
  EmulatorChild& operator=(const EmulatorChild&) = delete;

  // Serving: the socket appeared.
  bool started() const { return started_; }
  const std::string& socket() const { return socket_; }
  // The socket exists exactly while the adapter is plugged in.
  bool IsPlugged() const;

  // Types a console command; its reply, or empty when none came.
  std::string Command(const std::string& line);
  // Plugs the adapter in again; true once its socket is back.
  bool Plug();
  // The faults armed that have not fired yet, as the status reports them; -1 when it does not say.
  int ArmedFaults();

 private:
  // The next line the console printed; empty when none came in time.
  std::string NextLine();

  std::filesystem::path replies_;
  std::string socket_;
  std::unique_ptr<testing::Spawned> process_;
  std::size_t read_ = 0;  // bytes of the replies taken so far
  bool started_ = false;
};

}  // namespace torvane::soak
