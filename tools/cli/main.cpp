// torvane-cli: the manager's adapter operations for scripts and support.
#include <iostream>
#include <string>
#include <vector>

#include "AdapterSession.h"
#include "CliOptions.h"
#include "Commands.h"
#include "ExitCodes.h"
#include "Output.h"
#include "Prompter.h"

int main(int argc, char** argv) {
  namespace cli = torvane::cli;
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::cerr << "torvane-cli: " << parsed.error << "\nTry --help for the commands and options.\n";
    return cli::kExitUsage;
  }
  if (parsed.options.help) {
    std::cout << cli::Usage();
    return cli::kExitOk;
  }
  cli::Output output(parsed.options.json);
  const cli::Prompter prompter(parsed.options.yes);
  cli::AdapterSession session(parsed.options, output, prompter);
  cli::CommandContext context{parsed.options, output, prompter, session};
  return output.Finish(cli::RunCommand(context));
}
