#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Commands.h"
#include "model/ConfigRecord.h"

namespace torvane::cli {

// Steps the commands share, each as the manager's window takes it.

// Connects and reads the adapter, then runs the checks the manager runs when
// the adapter is clicked: an adapter that needs a restore or an upgrade, or is
// not served, is told and refused (kExitAdapterState); a usable one has its
// configurations of unknown games removed, as the home page does.
int ReadUsableAdapter(CommandContext& context);

// The console the command works on: --console, else the one the adapter serves now.
int CurrentHost(const CommandContext& context);

// The configuration named `name` on the current console; told as a usage error when missing.
const model::ConfigRecord* FindNamedConfig(CommandContext& context, const std::string& name);

// A "Warning" box about what the command line named.
void Warn(CommandContext& context, const std::string& text);

// Writes an exchange file the model built (nothing when it could not) to `path`, asking before it replaces a file,
// and tells the outcome under `title` as the manager's export does.
int WriteExportFile(CommandContext& context, std::string_view title, const std::string& path,
                    std::optional<std::span<const std::uint8_t>> bytes);

// The save: a start-up configuration must exist (a console's only one becomes it), then the regions of
// `unsaved` are written behind a backup. kExitOk with the manager's success message, or the failure's code.
int SaveChanges(CommandContext& context, unsigned unsaved);

}  // namespace torvane::cli
