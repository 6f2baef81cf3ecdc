#include "soak/CommandLine.h"

#include "support/Spawned.h"

namespace torvane::soak {

CommandLine::CommandLine(std::string program, std::string socket, std::filesystem::path folder)
    : program_(std::move(program)), socket_(std::move(socket)), folder_(std::move(folder)) {}

CommandLine::Outcome CommandLine::Run(const std::vector<std::string>& arguments) const {
  std::vector<std::string> argv{program_, "--adapter-socket", socket_};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  // The data folder is the window's, inherited, so each finds the other's backups.
  testing::Spawned program(argv, folder_ / "cli.out", folder_ / "cli.err", "/dev/null", {"LC_ALL=C.UTF-8"});
  Outcome outcome;
  if (!program.started()) return outcome;
  outcome.code = program.Wait();
  outcome.errors = testing::ReadText(folder_ / "cli.err");
  return outcome;
}

}  // namespace torvane::soak
