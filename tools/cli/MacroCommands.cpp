// export-macro and import-macro: a configuration's macros and their exchange files.
#include <filesystem>
#include <string>
#include <vector>

#include "AdapterUse.h"
#include "CliTexts.h"
#include "ExchangeFileIo.h"
#include "ExitCodes.h"
#include "model/RegionBytes.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/MacroExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::cli {

int ExportMacro(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const std::string& macro_name = context.options.arguments[1];
  const std::string& path = context.options.arguments[2];
  const std::string_view title = model::ExportTitle(model::ExchangeKind::kMacro);
  const model::ConfigRecord* owner = FindNamedConfig(context, context.options.arguments[0]);
  if (owner == nullptr) return kExitUsage;
  const model::MacroRecord* macro =
      model::FindMacro(context.session.image().macro, model::ReadName(owner->name), macro_name, owner->host_type());
  if (macro == nullptr) {
    Warn(context, "No macro named \"" + macro_name + "\" in \"" + std::string(model::ReadName(owner->name)) + "\".");
    return kExitUsage;
  }
  context.output.data()["suggested_name"] = model::SuggestedMacroFileName(*macro) + ".vqm";
  const std::optional<model::MacroFile> file = model::BuildMacroFile(*macro);
  return WriteExportFile(context, title, path,
                         file ? std::optional(std::span<const std::uint8_t>(model::BytesOf(*file))) : std::nullopt);
}

int ImportMacro(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  model::FlashImage& image = context.session.image();
  if (context.options.console) image.config.host = static_cast<std::uint8_t>(*context.options.console);
  const std::string_view title = model::ImportTitle(model::ExchangeKind::kMacro);
  const model::ConfigRecord* owner = FindNamedConfig(context, context.options.arguments[0]);
  if (owner == nullptr) return kExitUsage;
  std::vector<std::uint8_t> bytes;
  const FileOutcome read = ReadExchangeFile(context.options.arguments[1], model::kMacroFileSize, bytes);
  if (read.result != model::kFileDone) {
    context.output.Error(title, model::ReadFailureMessage(model::ExchangeKind::kMacro, read.result, read.system_error));
    return kExitRefusedFile;
  }
  // The owner is copied: the import may move records of the tables around it.
  const model::ConfigRecord edited = *owner;
  const model::ExchangeResult result = model::ImportMacroFile(image, edited, bytes, [&](std::uint8_t key) {
    return context.prompter.Ask(title, model::OccupiedKeyQuestion(key));
  });
  switch (result) {
    case model::ExchangeResult::kOk:
      break;
    case model::ExchangeResult::kDeclined:
      return kExitDeclined;
    case model::ExchangeResult::kIgnored:
      context.output.Error(title, "The adapter serves no console this program knows: choose one with --console.");
      return kExitUsage;
    default:
      context.output.Error(title, model::ImportMessage(model::ExchangeKind::kMacro, result));
      return kExitRefusedFile;
  }
  const model::MacroRecord& macro = image.macro.records[model::UsedMacroCount(image.macro) - 1];
  context.output.data()["imported"] = {{"name", model::ReadName(macro.macro_name)},
                                       {"configuration", model::ReadName(edited.name)}};
  context.output.Line("Imported macro " + std::string(model::ReadName(macro.macro_name)) + " into " +
                      std::string(model::ReadName(edited.name)) + ".");
  return SaveChanges(context, model::kUnsavedMacro);
}

}  // namespace torvane::cli
