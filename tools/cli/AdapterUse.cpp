#include "AdapterUse.h"

#include <filesystem>

#include "CliTexts.h"
#include "ExchangeFileIo.h"
#include "ExitCodes.h"
#include "device/AdapterCheck.h"
#include "device/AdapterTexts.h"
#include "device/FlashPlans.h"
#include "model/catalogue/PruneWithCatalogue.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/TableMessages.h"

namespace torvane::cli {

int ReadUsableAdapter(CommandContext& context) {
  if (const int code = context.session.Connect(); code != kExitOk) return code;
  if (const int code = context.session.Read(); code != kExitOk) return code;
  model::FlashImage& image = context.session.image();
  const device::CheckStep step = device::AdapterCheck(image, context.session.run_status().working_mode()).Next();
  switch (step.action) {
    case device::CheckAction::kPruneAndShowHome:
      model::PruneUnknownGames(image);
      return kExitOk;
    case device::CheckAction::kExitProgram:
    case device::CheckAction::kStop:
      context.output.Error(device::kErrorTitle, step.text);
      return kExitAdapterState;
    case device::CheckAction::kConfirmRestoreConfiguration:
    case device::CheckAction::kRestoreFirmwareAndConfiguration:
    case device::CheckAction::kConfirmUpgrade: {
      const std::string text = step.text.empty() ? std::string(device::kFirmwareLostText) : step.text;
      context.output.Error(device::kErrorTitle, text + "\n" + std::string(kRunUpgradeHint));
      return kExitAdapterState;
    }
  }
  return kExitAdapterState;
}

int CurrentHost(const CommandContext& context) {
  return context.options.console ? *context.options.console : context.session.image().config.host;
}

const model::ConfigRecord* FindNamedConfig(CommandContext& context, const std::string& name) {
  const int host = CurrentHost(context);
  const model::ConfigRecord* record = model::FindConfig(context.session.image().config, name, host);
  if (record == nullptr) {
    Warn(context, "No configuration named \"" + name + "\" on " + ConsoleName(host) + ".");
  }
  return record;
}

void Warn(CommandContext& context, const std::string& text) {
  context.output.Error(model::kTitleWarning, text);
}

int SaveChanges(CommandContext& context, unsigned unsaved) {
  model::FlashImage& image = context.session.image();
  const bool had_startup = model::StartupIndex(image.config, image.config.host) >= 0;
  if (!model::EnsureStartup(image.config)) {
    context.output.Error(model::kTitleWarning, model::kMsgStartupRequired);
    return kExitAdapterState;
  }
  if (!had_startup) unsaved |= model::kUnsavedConfig;
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(image, unsaved), plan)) {
    context.output.Error(model::kTitleWarning, "The changes do not fit one write.");
    return kExitAdapterState;
  }
  if (const int code = context.session.Write(plan, "Writing"); code != kExitOk) return code;
  context.output.Message(model::kTitleSave, model::kMsgSaveDone);
  return kExitOk;
}

int WriteExportFile(CommandContext& context, std::string_view title, const std::string& path,
                    std::optional<std::span<const std::uint8_t>> bytes) {
  if (std::filesystem::exists(path) && !context.prompter.Ask(title, path + std::string(kReplaceFileQuestion))) {
    return kExitDeclined;
  }
  const FileOutcome outcome = bytes ? WriteExchangeFile(path, *bytes) : FileOutcome{-1, 0};
  const std::string message = model::ExportMessage(outcome.result, outcome.system_error);
  if (outcome.result != model::kFileDone) {
    context.output.Error(title, message);
    return kExitRefusedFile;
  }
  context.output.data()["file"] = path;
  context.output.Message(title, message);
  return kExitOk;
}

}  // namespace torvane::cli
