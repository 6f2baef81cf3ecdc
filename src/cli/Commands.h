#pragma once

#include "cli/AdapterLink.h"
#include "cli/CliHost.h"
#include "cli/CliOptions.h"
#include "cli/Output.h"
#include "cli/Prompter.h"
#include "core/Session.h"

namespace torvane::cli {

// What every command works with.
struct CommandContext {
  const CliOptions& options;
  Output& output;
  const Prompter& prompter;
  AdapterLink& link;
  core::Session& session;
  CliHost& host;
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
int ExportCurve(CommandContext& context);
int ImportCurve(CommandContext& context);
int UpgradeAdapter(CommandContext& context);
int RestoreFactory(CommandContext& context);

}  // namespace torvane::cli
