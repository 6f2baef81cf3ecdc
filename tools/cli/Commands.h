#pragma once

#include "AdapterSession.h"
#include "CliOptions.h"
#include "Output.h"
#include "Prompter.h"

namespace torvane::cli {

// What every command works with.
struct CommandContext {
  const CliOptions& options;
  Output& output;
  const Prompter& prompter;
  AdapterSession& session;
};

// Runs the command the options name; returns the exit code.
int RunCommand(CommandContext& context);

int ListAdapters(CommandContext& context);
int ShowInfo(CommandContext& context);
int BackUpAdapter(CommandContext& context);
int RestoreBackup(CommandContext& context);
int ListBackups(CommandContext& context);
int ListConfigurations(CommandContext& context);
int ExportConfiguration(CommandContext& context);
int ImportConfiguration(CommandContext& context);
int ExportMacro(CommandContext& context);
int ImportMacro(CommandContext& context);
int UpgradeAdapter(CommandContext& context);

}  // namespace torvane::cli
