// configs, export-config and import-config: the configuration list and its exchange files.
#include <filesystem>
#include <string>
#include <vector>

#include "AdapterUse.h"
#include "CliTexts.h"
#include "ExchangeFileIo.h"
#include "ExitCodes.h"
#include "TextFields.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
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
      names.emplace_back(model::ReadName(macro.macro_name));
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
    const std::string name(model::ReadName(record.name));
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
  const std::string& path = context.options.arguments[1];
  const std::string_view title = model::ExportTitle(model::ExchangeKind::kConfig);
  const model::ConfigRecord* record = FindNamedConfig(context, context.options.arguments[0]);
  if (record == nullptr) return kExitUsage;
  context.output.data()["suggested_name"] = model::SuggestedConfigFileName(*record) + ".vqc";
  const std::optional<model::ConfigFile> file = model::BuildConfigFile(*record);
  return WriteExportFile(context, title, path,
                         file ? std::optional(std::span<const std::uint8_t>(model::BytesOf(*file))) : std::nullopt);
}

int ImportConfiguration(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  model::FlashImage& image = context.session.image();
  // Choosing the console is the manager's console switch: the adapter serves it after the save.
  if (context.options.console) image.config.host = static_cast<std::uint8_t>(*context.options.console);
  const std::string_view title = model::ImportTitle(model::ExchangeKind::kConfig);
  std::vector<std::uint8_t> bytes;
  const FileOutcome read = ReadExchangeFile(context.options.arguments[0], model::kConfigFileSize, bytes);
  if (read.result != model::kFileDone) {
    context.output.Error(title,
                         model::ReadFailureMessage(model::ExchangeKind::kConfig, read.result, read.system_error));
    return kExitRefusedFile;
  }
  const model::ConfigImport imported = model::ImportConfigFile(
      image, bytes, model::IsKnownGame, model::DefaultResponseRecord,
      [&](std::uint8_t key) { return context.prompter.Ask(title, model::OccupiedKeyQuestion(key)); });
  switch (imported.result) {
    case model::ExchangeResult::kOk:
      break;
    case model::ExchangeResult::kDeclined:
      return kExitDeclined;
    case model::ExchangeResult::kIgnored:
      context.output.Error(title, "The adapter serves no console this program knows: choose one with --console.");
      return kExitUsage;
    default:
      context.output.Error(title, model::ImportMessage(model::ExchangeKind::kConfig, imported.result));
      return kExitRefusedFile;
  }
  const model::ConfigRecord& record = image.config.records[static_cast<std::size_t>(imported.slot)];
  context.output.data()["imported"] = {{"name", model::ReadName(record.name)},
                                       {"console", ConsoleName(record.host_type())},
                                       {"hotkey", model::KeyName(record.hotkey)}};
  context.output.Line("Imported " + std::string(model::ReadName(record.name)) + " for " +
                      ConsoleName(record.host_type()) + ".");
  return SaveChanges(context, imported.unsaved);
}

}  // namespace torvane::cli
