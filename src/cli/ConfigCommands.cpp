// configs, export-config and import-config: the configuration list and its exchange files.
#include <string>
#include <vector>

#include "cli/AdapterUse.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "cli/TextFields.h"
#include "core/exchange/ConfigExchangeFlow.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/keys/KeyName.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::cli {

namespace {

std::vector<std::string> MacroNames(const model::MacroBlock& block, const model::ConfigRecord& owner) {
  std::vector<std::string> names;
  const std::string_view owner_name = model::ReadName(owner.name);
  for (std::size_t i = 0; i < model::UsedMacroCount(block); ++i) {
    const model::MacroRecord& macro = block.records[i];
    if (macro.host == owner.host_type() && model::ReadName(macro.owner_name) == owner_name) {
      names.push_back(ShownName(model::ReadName(macro.macro_name)));
    }
  }
  return names;
}

}  // namespace

int ListConfigurations(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const model::FlashImage& image = context.session.image();
  const int host = CurrentHost(context);
  nlohmann::ordered_json& data = context.output.data();
  data["console"] = ConsoleName(host);
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  context.output.Line("Configurations for " + ConsoleName(host) + ":");
  for (std::size_t slot = 0; slot < model::UsedConfigCount(image.config); ++slot) {
    const model::ConfigRecord& record = image.config.records[slot];
    if (record.host_type() != host) continue;
    const std::string name = ShownName(model::ReadName(record.name));
    const std::string hotkey(model::KeyName(record.hotkey));
    const std::vector<std::string> macros = MacroNames(image.macro, record);
    list.push_back({{"slot", slot},
                    {"name", name},
                    {"game_id", record.game_id},
                    {"game", model::GameTitle(record.game_id)},
                    {"hotkey", hotkey},
                    {"startup", record.is_startup()},
                    {"color", ColorText(record.color.get())},
                    {"macros", macros}});
    context.output.Line(std::string(record.is_startup() ? "* " : "  ") + name + "  [" + hotkey + "]  " +
                        std::string(model::GameTitle(record.game_id)));
    for (const std::string& macro : macros) context.output.Line("      macro: " + macro);
  }
  if (list.empty()) context.output.Line("  (none)");
  data["configurations"] = std::move(list);
  return kExitOk;
}

int ExportConfiguration(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const int slot = FindNamedConfig(context, context.options.arguments[0]);
  if (slot < 0) return kExitUsage;
  context.host.set_file(context.options.arguments[1]);
  return ExitCodeOf(core::ExportConfig(context.session, context.host, slot));
}

int ImportConfiguration(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  model::FlashImage& image = context.session.image();
  // Choosing the console is the manager's console switch: the adapter serves it after the save.
  if (context.options.console) image.config.host = static_cast<std::uint8_t>(*context.options.console);
  context.host.set_file(context.options.arguments[0]);
  const core::ConfigImportResult imported = core::ImportConfig(context.session, context.host);
  if (imported.outcome == core::ExchangeOutcome::kNoConsole) {
    context.output.Error(model::ImportTitle(model::ExchangeKind::kConfig), kNoConsoleText);
  }
  if (imported.outcome != core::ExchangeOutcome::kDone) return ExitCodeOf(imported.outcome);
  const model::ConfigRecord& record = image.config.records[static_cast<std::size_t>(imported.slot)];
  const std::string name = ShownName(model::ReadName(record.name));
  context.output.data()["imported"] = {
      {"name", name}, {"console", ConsoleName(record.host_type())}, {"hotkey", model::KeyName(record.hotkey)}};
  context.output.Line("Imported " + name + " for " + ConsoleName(record.host_type()) + ".");
  return SaveChanges(context, 0);
}

}  // namespace torvane::cli
