// torvane-cli: the manager's adapter flows for scripts and support.
#include <iostream>
#include <string>
#include <vector>

#include "cli/AdapterLink.h"
#include "cli/CliHost.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Output.h"
#include "cli/Prompter.h"
#include "core/ManagerFolders.h"
#include "core/Session.h"
#include "firmware/CarriedFirmware.h"
#include "platform/NarrowText.h"
#include "platform/Terminal.h"

int main(int argc, char** argv) {
  namespace cli = torvane::cli;
  namespace core = torvane::core;
  // Before any name is read or printed: names on the adapter are in the user's ANSI code page.
  torvane::platform::InstallNarrowTextCodec();
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(torvane::platform::ProgramArguments(argc, argv));
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
  cli::AdapterLink link(parsed.options);
  core::Session session(core::BackupFolder(), torvane::firmware::CarriedFirmware);
  cli::CliHost host(output, prompter, link);
  cli::CommandContext context{parsed.options, output, prompter, link, session, host};
  return output.Finish(cli::RunCommand(context));
}
