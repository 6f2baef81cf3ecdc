// export-macro and import-macro: a configuration's macros and their exchange files.
#include <string>

#include "cli/AdapterUse.h"
#include "cli/CliTexts.h"
#include "cli/ExitCodes.h"
#include "core/exchange/MacroExchangeFlow.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "platform/NarrowText.h"
#include "platform/Terminal.h"

namespace torvane::cli {

int ExportMacro(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const int slot = FindNamedConfig(context, context.options.arguments[0]);
  if (slot < 0) return kExitUsage;
  const model::FlashImage& image = context.session.image();
  const model::ConfigRecord& owner = image.config.records[static_cast<std::size_t>(slot)];
  const std::string macro_name = platform::TerminalToUtf8(context.options.arguments[1]);
  const int index = model::FindMacroIndex(image.macro, model::ReadName(owner.name), platform::Utf8ToNarrow(macro_name),
                                          owner.host_type());
  if (index < 0) {
    Warn(context, "No macro named \"" + macro_name + "\" in \"" + ShownName(model::ReadName(owner.name)) + "\".");
    return kExitUsage;
  }
  context.host.set_file(context.options.arguments[2]);
  return ExitCodeOf(core::ExportMacro(context.session, context.host, static_cast<std::size_t>(index)));
}

int ImportMacro(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const int slot = FindNamedConfig(context, context.options.arguments[0]);
  if (slot < 0) return kExitUsage;
  model::FlashImage& image = context.session.image();
  // The file is checked against the configuration's console; only the macro block is written, so the adapter
  // keeps serving the console it serves.
  const std::uint8_t served = image.config.host;
  image.config.host = static_cast<std::uint8_t>(CurrentHost(context));
  const model::ConfigRecord owner = image.config.records[static_cast<std::size_t>(slot)];
  context.host.set_file(context.options.arguments[1]);
  const core::ExchangeOutcome outcome = core::ImportMacro(context.session, context.host, owner);
  image.config.host = served;
  if (outcome == core::ExchangeOutcome::kNoConsole) {
    context.output.Error(model::ImportTitle(model::ExchangeKind::kMacro), kNoConsoleText);
  }
  if (outcome != core::ExchangeOutcome::kDone) return ExitCodeOf(outcome);
  const model::MacroRecord& macro = image.macro.records[model::UsedMacroCount(image.macro) - 1];
  const std::string name = ShownName(model::ReadName(macro.macro_name));
  const std::string owner_name = ShownName(model::ReadName(owner.name));
  context.output.data()["imported"] = {{"name", name}, {"configuration", owner_name}};
  context.output.Line("Imported macro " + name + " into " + owner_name + ".");
  return SaveChanges(context, model::kUnsavedMacro);
}

}  // namespace torvane::cli
