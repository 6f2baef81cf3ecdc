#pragma once

#include <string>

#include "cli/Commands.h"
#include "model/ConfigRecord.h"

namespace torvane::cli {

// Steps the commands share.

// Connects and reads the adapter into the session: kExitOk, or told and the exit code. An adapter of the older
// generation is kExitOk only with `accept_old_generation` (its information block alone was read).
int ReadAdapter(CommandContext& context, bool accept_old_generation = false, std::uint32_t* old_generation = nullptr);

// Reads the adapter and runs the manager's checks without their repairs: an adapter that needs a restore or an
// upgrade, or is not served, is told and refused (kExitAdapterState); a usable one has its configurations of
// unknown games removed, as the home page does.
int ReadUsableAdapter(CommandContext& context);

// The console the command works on: --console, else the one the adapter serves now.
int CurrentHost(const CommandContext& context);

// The table slot of the configuration named `name` (as typed at the terminal) on the current console; told as a
// usage error and -1 when there is none.
int FindNamedConfig(CommandContext& context, const std::string& name);

// A stored name as the terminal shows it.
std::string ShownName(std::string_view narrow);

// A "Warning" box about what the command line named.
void Warn(CommandContext& context, const std::string& text);

// The save of the regions of `unsaved` and whatever else is unsaved: the exit code of the core's save.
int SaveChanges(CommandContext& context, unsigned unsaved);

}  // namespace torvane::cli
