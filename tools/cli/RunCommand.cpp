#include <array>
#include <string_view>

#include "Commands.h"
#include "ExitCodes.h"

namespace torvane::cli {

int RunCommand(CommandContext& context) {
  static constexpr std::array<std::pair<std::string_view, int (*)(CommandContext&)>, 11> kHandlers{{
      {"list", ListAdapters},
      {"info", ShowInfo},
      {"backup", BackUpAdapter},
      {"restore", RestoreBackup},
      {"backups", ListBackups},
      {"configs", ListConfigurations},
      {"export-config", ExportConfiguration},
      {"import-config", ImportConfiguration},
      {"export-macro", ExportMacro},
      {"import-macro", ImportMacro},
      {"upgrade", UpgradeAdapter},
  }};
  for (const auto& [name, handler] : kHandlers) {
    if (name == context.options.command) return handler(context);
  }
  return kExitUsage;  // the options named a command this table lacks
}

}  // namespace torvane::cli
