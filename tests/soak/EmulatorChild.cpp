#include "soak/EmulatorChild.h"

#include <charconv>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/TempFolder.h"

namespace torvane::soak {

namespace fs = std::filesystem;

EmulatorChild::EmulatorChild(const std::string& program, const fs::path& folder, const std::string& scenario)
    : replies_(folder / "emulator.out"), socket_((folder / "adapter.sock").string()) {
  process_ =
      std::make_unique<testing::Spawned>(std::vector<std::string>{program, "--socket", socket_, "--scenario", scenario},
                                         replies_, folder / "emulator.err", fs::path(), std::vector<std::string>{});
  // The greeting comes once the socket is served; it is no command's reply.
  started_ = process_->started() && !NextLine().empty() && IsPlugged();
}

EmulatorChild::~EmulatorChild() {
  // SIGTERM lets it remove its socket.
  if (process_ && process_->started()) process_->Stop(SIGTERM);
}

bool EmulatorChild::IsPlugged() const {
  std::error_code error;
  return fs::is_socket(socket_, error);
}

std::string EmulatorChild::Command(const std::string& line) {
  return process_->Type(line) ? NextLine() : std::string();
}

std::string EmulatorChild::NextLine() {
  std::string reply;
  testing::Eventually(
      [&] {
        std::ifstream file(replies_, std::ios::binary);
        file.seekg(static_cast<std::streamoff>(read_));
        const std::string more{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const std::size_t end = more.find('\n');
        if (end == std::string::npos) return false;
        reply = more.substr(0, end);
        read_ += end + 1;
        return true;
      },
      std::chrono::seconds(10));
  return reply;
}

bool EmulatorChild::Plug() {
  Command("plug");
  return testing::Eventually([this] { return IsPlugged(); }, std::chrono::seconds(10));
}

int EmulatorChild::ArmedFaults() {
  const std::string status = Command("status");
  const std::string tail = " fault(s) armed";
  if (!status.ends_with(tail)) return -1;
  const std::size_t end = status.size() - tail.size();
  const std::size_t start = status.rfind(' ', end - 1) + 1;
  int armed = -1;
  std::from_chars(status.data() + start, status.data() + end, armed);
  return armed;
}

}  // namespace torvane::soak
