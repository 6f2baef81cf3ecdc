#include <array>
#include <string_view>

#include "cli/Commands.h"
#include "cli/ExitCodes.h"

namespace torvane::cli {

int RunCommand(CommandContext& context) {
  static constexpr std::array<std::pair<std::string_view, int (*)(CommandContext&)>, 14> kHandlers{{
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
      {"export-curve", ExportCurve},
      {"import-curve", ImportCurve},
      {"upgrade", UpgradeAdapter},
      {"restore-factory", RestoreFactory},
  }};
  for (const auto& [name, handler] : kHandlers) {
    if (name == context.options.command) return handler(context);
  }
  return kExitUsage;  // the options named a command this table lacks
}

}  // namespace torvane::cli
